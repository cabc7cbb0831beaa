// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The recorder, `torvane --record`, for one hour of discharge at TORVANE_TIME_SCALE 100 (36
// seconds) on a fake battery that loses one percent every three minutes, side by side in the
// same run with a bare QCoreApplication whose one-second timer reads one file (BareCoreTimer)
// at the same scale, and with a second recorder that also writes metrics. Before that, the
// recorder alone on A/C power for ten minutes of its time: how often it wakes. Prints the CPU
// seconds of each and their ratios to the bare program's, the recorder's peak resident memory
// (after `torvane` has handed over to it, and including that moment), and its readings and
// voluntary context switches per minute on A/C. Targets: CPU at most 1.3 times the bare
// program's, at most 15 MB resident, at most 12 readings a minute on A/C.

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "e2e/ChildProcess.h"
#include "fakes/TempDir.h"

namespace {

using namespace std::chrono_literals;
using torvane::test::ChildProcess;
using torvane::test::EnvironmentWith;
using torvane::test::TempDir;

constexpr int kTimeScale = 100;
constexpr auto kHour = std::chrono::milliseconds(3600 * 1000 / kTimeScale);

double CpuSeconds(const struct rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The peak resident memory of a running process, in MB, from its own status.
double PeakResidentMB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return -1;
}

// Counts the reads of a charger's `online` flag, which the reader keeps open, for `span`: one
// for every reading of the power status. The events are taken as they come, since the kernel
// folds a read into the one before it while that is still waiting to be taken.
int LooksAtOnline(int watch, std::chrono::milliseconds span) {
    alignas(inotify_event) char buffer[4096];
    int looks = 0;
    const auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
        pollfd ready{watch, POLLIN, 0};
        if (::poll(&ready, 1, 5) <= 0) {
            continue;
        }
        for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                inotify_event event;
                std::memcpy(&event, buffer + at, sizeof event);
                looks += event.len > 0 && std::strcmp(buffer + at + sizeof event, "online") == 0;
                at += static_cast<ssize_t>(sizeof event + event.len);
            }
        }
    }
    return looks;
}

class Machine {
public:
    Machine() {
        TempDir::Write(dir / "power/BAT0/type", "Battery\n");
        TempDir::Write(dir / "power/BAT0/present", "1\n");
        TempDir::Write(dir / "power/BAT0/scope", "System\n");
        TempDir::Write(dir / "power/BAT0/energy_full_design", "57000000\n");
        TempDir::Write(dir / "power/BAT0/energy_full", "50000000\n");
        TempDir::Write(dir / "power/BAT0/cycle_count", "212\n");
        TempDir::Write(dir / "power/AC/type", "Mains\n");
        SetLevel(100);
        SetMains(true);
        ::mkdir((dir / "runtime").c_str(), 0700);
    }
    void SetLevel(int percent) {
        TempDir::Write(dir / "power/BAT0/energy_now", std::to_string(percent * 500000) + "\n");
        TempDir::Write(dir / "power/BAT0/capacity", std::to_string(percent) + "\n");
    }
    void SetMains(bool online) {
        TempDir::Write(dir / "power/AC/online", online ? "1\n" : "0\n");
        TempDir::Write(dir / "power/BAT0/status", online ? "Charging\n" : "Discharging\n");
    }
    std::unique_ptr<ChildProcess> Record(const std::string& name, bool metrics) {
        std::vector<std::string> args{"--record", "--into", dir / ("logs-" + name)};
        if (metrics) {
            args.insert(args.end(), {"--metrics", dir / (name + ".prom")});
        }
        return std::make_unique<ChildProcess>(TORVANE_PROGRAM, args, Environment(),
                                              dir / (name + ".err"), dir / (name + ".out"));
    }
    std::unique_ptr<ChildProcess> Bare() {
        return std::make_unique<ChildProcess>(BARE_PROGRAM,
                                              std::vector<std::string>{dir / "power/BAT0/capacity"},
                                              Environment(), dir / "bare.err");
    }
    std::map<std::string, std::string> Environment() {
        return EnvironmentWith({{"TORVANE_POWER_SUPPLY", dir / "power"},
                                {"TORVANE_TIME_SCALE", std::to_string(kTimeScale)},
                                {"XDG_DATA_HOME", dir / "data"},
                                {"XDG_STATE_HOME", dir / "state"},
                                {"XDG_RUNTIME_DIR", dir / "runtime"}});
    }

    TempDir dir;
};

void RecorderForOneHourOfDischarge(benchmark::State& state) {
    for (auto _ : state) {
        Machine machine;

        // On A/C power: the readings, seen at the charger's flag, and every wake-up.
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ::inotify_add_watch(watch, (machine.dir / "power/AC").c_str(), IN_ACCESS);
        auto onAc = machine.Record("ac", false);
        const int looks = LooksAtOnline(watch, kHour / 6);
        ::close(watch);
        if (onAc->Stop(SIGTERM, 10s) != 0) {
            state.SkipWithError("the recorder on A/C power did not end cleanly");
            return;
        }
        state.counters["ac_readings_per_min"] = looks / 10.0;
        state.counters["ac_wakeups_per_min"] = static_cast<double>(onAc->Usage().ru_nvcsw) / 10.0;

        // One hour of discharge, three programs side by side.
        machine.SetMains(false);
        auto bare = machine.Bare();
        auto recorder = machine.Record("plain", false);
        auto withMetrics = machine.Record("metrics", true);
        const auto start = std::chrono::steady_clock::now();
        for (int percent = 100; std::chrono::steady_clock::now() - start < kHour;) {
            std::this_thread::sleep_for(kHour / 20);
            machine.SetLevel(--percent);
        }
        const double peak = PeakResidentMB(recorder->Pid());
        const double peakWithMetrics = PeakResidentMB(withMetrics->Pid());
        bare->Stop(SIGTERM, 10s);
        if (recorder->Stop(SIGTERM, 10s) != 0 || withMetrics->Stop(SIGTERM, 10s) != 0) {
            state.SkipWithError("a recorder did not end cleanly");
            return;
        }
        const double bareCpu = CpuSeconds(bare->Usage());
        state.counters["bare_cpu_s"] = bareCpu;
        state.counters["recorder_cpu_s"] = CpuSeconds(recorder->Usage());
        state.counters["metrics_cpu_s"] = CpuSeconds(withMetrics->Usage());
        state.counters["recorder_ratio"] = CpuSeconds(recorder->Usage()) / bareCpu;
        state.counters["metrics_ratio"] = CpuSeconds(withMetrics->Usage()) / bareCpu;
        state.counters["recorder_peak_MB"] = peak;
        state.counters["metrics_peak_MB"] = peakWithMetrics;
        state.counters["with_handover_MB"] =
            static_cast<double>(recorder->Usage().ru_maxrss) / 1024.0;
        state.counters["bare_peak_MB"] = static_cast<double>(bare->Usage().ru_maxrss) / 1024.0;
    }
    state.SetLabel("targets: ratio <= 1.3, peak <= 15 MB, <= 12 readings/min on A/C");
}
BENCHMARK(RecorderForOneHourOfDischarge)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
