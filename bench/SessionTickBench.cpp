// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The CPU time of one session tick that records nothing: the power status read from a real
// power_supply folder (a battery and a mains supply written to a temporary folder), the
// percent unchanged. Target: at most 50 microseconds.

#include <benchmark/benchmark.h>

#include "fakes/FakeMainServices.h"
#include "fakes/TempDir.h"
#include "platform/SysfsPowerStatus.h"
#include "session/CDlgMain.h"

namespace {

using namespace torvane;
using namespace torvane::test;

void SessionTickRecordingNothing(benchmark::State& state) {
    TempDir dir;
    TempDir::Write(dir / "BAT0/type", "Battery\n");
    TempDir::Write(dir / "BAT0/present", "1\n");
    TempDir::Write(dir / "BAT0/status", "Discharging\n");
    TempDir::Write(dir / "BAT0/energy_now", "41000000\n");
    TempDir::Write(dir / "BAT0/energy_full", "50000000\n");
    TempDir::Write(dir / "BAT0/capacity", "82\n");
    TempDir::Write(dir / "AC/type", "Mains\n");
    TempDir::Write(dir / "AC/online", "0\n");

    SysfsPowerStatus power(dir.Path().string());
    FakeMainServices fakes;
    FakeTimers& timers = fakes.timers;
    CDlgMain dlg(fakes.Services(power));
    dlg.OnInitDialog();
    dlg.OnGoStop();
    timers.Fire(IDT_COUNTDOWN);  // on battery: the session starts
    timers.Fire(IDT_SESSION);    // the first sample
    if (dlg.Session().Log().count != 1) {
        state.SkipWithError("the session did not start on the fake battery");
        return;
    }
    for (auto _ : state) {
        dlg.OnTimer(IDT_SESSION);
    }
    if (dlg.Session().Log().count != 1) {
        state.SkipWithError("a tick recorded a sample");
    }
    state.SetLabel("target: at most 50 us of CPU per tick");
}
BENCHMARK(SessionTickRecordingNothing)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
