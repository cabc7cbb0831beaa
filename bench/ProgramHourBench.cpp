// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program for one hour of session time: `torvane` offscreen at TORVANE_TIME_SCALE
// 1000 (3.6 seconds) on a fake battery that loses one percent every five session minutes, in
// auto-start mode so the session runs from the start. Prints the CPU seconds and the peak
// resident memory of the program. Targets: under 0.5 CPU seconds per session hour, under
// 40 MB peak resident memory.

#include <signal.h>
#include <sys/stat.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "e2e/ChildProcess.h"
#include "fakes/TempDir.h"

namespace {

using namespace std::chrono_literals;
using torvane::test::ChildProcess;
using torvane::test::EnvironmentWith;
using torvane::test::TempDir;

constexpr int kTimeScale = 1000;
constexpr auto kSessionHour = std::chrono::milliseconds(3600 * 1000 / kTimeScale);

void ProgramForOneSessionHour(benchmark::State& state) {
    for (auto _ : state) {
        TempDir dir;
        TempDir::Write(dir / "power/BAT0/type", "Battery\n");
        TempDir::Write(dir / "power/BAT0/present", "1\n");
        TempDir::Write(dir / "power/BAT0/status", "Discharging\n");
        TempDir::Write(dir / "power/BAT0/capacity", "100\n");
        TempDir::Write(dir / "power/AC/type", "Mains\n");
        TempDir::Write(dir / "power/AC/online", "0\n");
        TempDir::Write(dir / "registry.reg",
                       "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\n"
                       "\"AutoStartSessions\"=dword:00000000\n\"InitData\"=dword:00000003\n"
                       "\"SavePath\"=\"\\\\My Documents\"\n");
        ::mkdir((dir / "runtime").c_str(), 0700);
        const auto env = EnvironmentWith({{"QT_QPA_PLATFORM", "offscreen"},
                                          {"TORVANE_POWER_SUPPLY", dir / "power"},
                                          {"TORVANE_REGISTRY", dir / "registry.reg"},
                                          {"TORVANE_DEVICE_ROOT", dir / "device"},
                                          {"TORVANE_TIME_SCALE", std::to_string(kTimeScale)},
                                          {"XDG_CONFIG_HOME", dir / "config"},
                                          {"XDG_DATA_HOME", dir / "data"},
                                          {"XDG_STATE_HOME", dir / "state"},
                                          {"XDG_RUNTIME_DIR", dir / "runtime"}});
        ChildProcess program(TORVANE_PROGRAM, {}, env, dir / "stderr.txt");
        const auto start = std::chrono::steady_clock::now();
        for (int percent = 100; std::chrono::steady_clock::now() - start < kSessionHour;) {
            std::this_thread::sleep_for(kSessionHour / 12);
            TempDir::Write(dir / "power/BAT0/capacity", std::to_string(--percent) + "\n");
        }
        if (program.Stop(SIGTERM, 10s) != 0) {
            state.SkipWithError("the program did not end cleanly");
            return;
        }
        const auto saved = TempDir::Read(dir / "device/My Documents/autosave.blf");
        const struct rusage& usage = program.Usage();
        const double cpu =
            static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        state.counters["cpu_seconds"] = cpu;
        state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
        state.counters["samples"] =
            saved.size() >= 8 ? static_cast<double>(saved.size() - 8) / 8 : 0;
    }
    state.SetLabel("targets: < 0.5 CPU s per session hour, < 40 MB peak");
}
BENCHMARK(ProgramForOneSessionHour)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
