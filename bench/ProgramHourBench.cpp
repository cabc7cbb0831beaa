// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program for one hour of session time beside the floor it is measured against.
// `torvane` runs offscreen at TORVANE_TIME_SCALE 60 (one session hour in a minute) on a fake
// battery that loses one percent every three session minutes, in auto-start mode so the
// session runs from the start. At the same time `bench_bare_widgets` (a Qt Widgets window whose
// timer reads one file with pread) makes the same 3600 ticks. Both share the machine's load,
// so their ratio says more than either figure. Prints both CPU times, their ratio and the
// program's peak resident memory, over three hours. Targets: at most 1.5 times the bare
// timer's CPU, under 40 MB.
//
// TORVANE_BENCH_PROGRAM names another build of the program to measure instead, so two builds
// can be compared on the same machine.

#include <signal.h>
#include <sys/stat.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "e2e/ChildProcess.h"
#include "fakes/TempDir.h"

namespace {

using namespace std::chrono_literals;
using torvane::test::ChildProcess;
using torvane::test::EnvironmentWith;
using torvane::test::TempDir;

constexpr int kTimeScale = 60;
constexpr int kTicksPerHour = 3600;
constexpr auto kSessionHour = std::chrono::milliseconds(kTicksPerHour * 1000 / kTimeScale);
constexpr auto kPercentStep = std::chrono::milliseconds(3 * 60 * 1000 / kTimeScale);
constexpr long long kEnergyFull = 50000000;

double CpuSeconds(const struct rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::string ProgramUnderTest() {
    const char* other = std::getenv("TORVANE_BENCH_PROGRAM");
    return other != nullptr && *other != '\0' ? other : TORVANE_PROGRAM;
}

void ProgramHourBesideBareTimer(benchmark::State& state) {
    for (auto _ : state) {
        TempDir dir;
        const auto energy = [&dir](int percent) {
            TempDir::Write(dir / "power/BAT0/energy_now",
                           std::to_string(kEnergyFull * percent / 100) + "\n");
            TempDir::Write(dir / "power/BAT0/capacity", std::to_string(percent) + "\n");
        };
        TempDir::Write(dir / "power/BAT0/type", "Battery\n");
        TempDir::Write(dir / "power/BAT0/present", "1\n");
        TempDir::Write(dir / "power/BAT0/status", "Discharging\n");
        TempDir::Write(dir / "power/BAT0/energy_full", std::to_string(kEnergyFull) + "\n");
        TempDir::Write(dir / "power/BAT0/energy_full_design", "57000000\n");
        TempDir::Write(dir / "power/BAT0/cycle_count", "112\n");
        energy(100);
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
        ChildProcess program(ProgramUnderTest(), {}, env, dir / "stderr.txt");
        ChildProcess bare(BARE_PROGRAM,
                          {dir / "power/AC/online", std::to_string(1000 / kTimeScale),
                           std::to_string(kTicksPerHour)},
                          env, dir / "bare-stderr.txt");
        const auto start = std::chrono::steady_clock::now();
        for (int percent = 100; std::chrono::steady_clock::now() - start < kSessionHour;) {
            std::this_thread::sleep_for(kPercentStep);
            energy(--percent);
        }
        if (program.Stop(SIGTERM, 10s) != 0 || bare.Wait(30s) != 0) {
            state.SkipWithError("a program did not end cleanly");
            return;
        }
        const auto saved = TempDir::Read(dir / "device/My Documents/autosave.blf");
        const double cpu = CpuSeconds(program.Usage());
        const double bareCpu = CpuSeconds(bare.Usage());
        state.counters["cpu_seconds"] = cpu;
        state.counters["bare_cpu_seconds"] = bareCpu;
        state.counters["cpu_ratio"] = bareCpu > 0 ? cpu / bareCpu : 0;
        state.counters["peak_rss_MB"] = static_cast<double>(program.Usage().ru_maxrss) / 1024.0;
        state.counters["samples"] =
            saved.size() >= 8 ? static_cast<double>(saved.size() - 8) / 8 : 0;
    }
    state.SetLabel("targets: cpu_ratio <= 1.5, < 40 MB peak");
}
// Each hour's ratio swings with what else the machine is doing; the median of three says more.
BENCHMARK(ProgramHourBesideBareTimer)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
