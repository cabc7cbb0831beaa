// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// One session tick that records nothing, a second of session time apart from the last: the
// power status read from a real power_supply folder (a battery and a mains supply written to a
// temporary folder), the level steady, the status line going on once a minute. Prints its CPU
// time and the system calls it makes, counted exactly in a traced child. Targets: at most 50
// microseconds of CPU and at most 8 system calls per tick (the window's event loop adds one).

#include <benchmark/benchmark.h>

#include "SystemCallCount.h"
#include "fakes/FakeMainServices.h"
#include "fakes/TempDir.h"
#include "linux/SysfsPowerStatus.h"
#include "session/CDlgMain.h"

namespace {

using namespace torvane;
using namespace torvane::test;

// A session running on battery at a steady level.
class SteadySession {
public:
    SteadySession() {
        dlg.OnInitDialog();
        dlg.OnGoStop();
        fakes.timers.Fire(IDT_COUNTDOWN);  // on battery: the session starts
        fakes.timers.Fire(IDT_SESSION);    // the first sample
    }

    void Tick() { fakes.timers.AdvanceMs(1000); }
    int Samples() const { return dlg.Session().Log().count; }

private:
    static std::string Folder(const TempDir& dir) {
        TempDir::Write(dir / "BAT0/type", "Battery\n");
        TempDir::Write(dir / "BAT0/present", "1\n");
        TempDir::Write(dir / "BAT0/status", "Discharging\n");
        TempDir::Write(dir / "BAT0/energy_now", "41000000\n");
        TempDir::Write(dir / "BAT0/energy_full", "50000000\n");
        TempDir::Write(dir / "BAT0/energy_full_design", "57000000\n");
        TempDir::Write(dir / "BAT0/cycle_count", "112\n");
        TempDir::Write(dir / "BAT0/capacity", "82\n");
        TempDir::Write(dir / "AC/type", "Mains\n");
        TempDir::Write(dir / "AC/online", "0\n");
        return dir.Path().string();
    }

    TempDir dir;
    FakeMainServices fakes;
    SysfsPowerStatus power{Folder(dir), [this] { return fakes.timers.NowMs(); }};
    CDlgMain dlg{fakes.Services(power)};
};

void SessionTickRecordingNothing(benchmark::State& state) {
    SteadySession session;
    if (session.Samples() != 1) {
        state.SkipWithError("the session did not start on the fake battery");
        return;
    }
    for (auto _ : state) {
        session.Tick();
    }
    if (session.Samples() != 1) {
        state.SkipWithError("a tick recorded a sample");
        return;
    }

    // An hour of ticks, counted in a child of its own.
    constexpr long kTicks = 3600;
    const auto calls = torvane::bench::CountSystemCalls([](const std::function<void()>& mark) {
        SteadySession counted;
        mark();
        for (long i = 0; i < kTicks; ++i) {
            counted.Tick();
        }
        mark();
    });
    state.counters["syscalls_per_tick"] =
        calls ? static_cast<double>(*calls) / static_cast<double>(kTicks) : -1;
    state.SetLabel(calls ? "targets: at most 50 us of CPU and 8 system calls per tick"
                         : "system calls not counted: this machine allows no tracing");
}
BENCHMARK(SessionTickRecordingNothing)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
