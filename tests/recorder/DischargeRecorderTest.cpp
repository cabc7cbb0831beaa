// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "fakes/FakeRealClock.h"
#include "fakes/LogOf.h"
#include "fakes/MemoryFileStore.h"
#include "logfile/BatteryLogFile.h"
#include "recorder/DischargeRecorder.h"
#include "session/SessionTestFixture.h"

namespace torvane::test {
namespace {

constexpr std::int64_t kStartMs = std::int64_t{1767349800} * 1000;  // 2026-01-02 10:30 UTC
const std::string kFolder = "/logs";

using Samples = std::vector<std::pair<std::int32_t, std::int32_t>>;

std::string Log(const Samples& samples) {
    const auto bytes = EncodeLogFile(LogOf(samples));
    return {bytes.begin(), bytes.end()};
}

// What the machine does next, for `seconds`.
struct Step {
    enum Kind { Battery, Ac, Asleep, Killed, FolderGone, FolderBack, Changed } kind;
    int seconds = 0;
    int percent = -1;
};
Step OnBattery(int percent, int seconds) {
    return {Step::Battery, seconds, percent};
}
Step OnAc(int seconds, int percent = 100) {
    return {Step::Ac, seconds, percent};
}
// No readings while the machine sleeps.
Step Asleep(int seconds) {
    return {Step::Asleep, seconds};
}
// The recorder ends without a word (a kill, a crash) and starts again `seconds` later.
Step Killed(int seconds) {
    return {Step::Killed, seconds};
}

// One battery and a charger, with the batteries' figures as set.
class RecorderPower : public FakePowerStatus {
public:
    PowerReading Read() override {
        PowerReading reading = FakePowerStatus::Read();
        reading.batteries = batteries;
        return reading;
    }
    std::vector<BatteryFigures> batteries;
};

// The recorder on fake power, a fake clock and files in memory, read at the pace it asks for.
class RecorderRun {
public:
    RecorderRun() {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        Launch();
    }

    void Launch() {
        const RecorderServices services{
            power, clock, files, [this] { return !files.missingFolders.contains(kFolder); },
            out,   err};
        recorder = std::make_unique<DischargeRecorder>(
            services, RecorderPlaces{kFolder, "/state/recorder.state", "/metrics/torvane.prom"}, 1);
        recorder->Begin();
        m_due = m_elapsed;
    }

    void Run(int seconds) {
        const std::int64_t end = m_elapsed + std::int64_t{seconds} * 1000;
        for (m_due = std::max(m_due, m_elapsed); m_due < end; m_due += recorder->Read()) {
            clock.AdvanceMs(m_due - m_elapsed);
            m_elapsed = m_due;
        }
        clock.AdvanceMs(end - m_elapsed);
        m_elapsed = end;
    }

    void Do(const Step& step) {
        switch (step.kind) {
            case Step::Battery:
            case Step::Ac:
                power.onAc = step.kind == Step::Ac;
                power.percent = step.percent;
                Run(step.seconds);
                break;
            case Step::Asleep:
                clock.AdvanceMs(std::int64_t{step.seconds} * 1000);
                m_elapsed += std::int64_t{step.seconds} * 1000;
                break;
            case Step::Killed:
                recorder.reset();
                clock.AdvanceMs(std::int64_t{step.seconds} * 1000);
                m_elapsed += std::int64_t{step.seconds} * 1000;
                Launch();
                break;
            case Step::FolderGone:
                files.missingFolders.insert(kFolder);
                break;
            case Step::FolderBack:
                files.missingFolders.erase(kFolder);
                break;
            case Step::Changed:
                files.files[kFolder + "/2026-01-02 1030.blf"] = LogBytes({{0, 1}});
                break;
        }
    }

    // The logs in the folder, by name.
    std::map<std::string, std::string> Logs() const {
        std::map<std::string, std::string> logs;
        for (const auto& [path, bytes] : files.files) {
            if (path.starts_with(kFolder + "/")) {
                logs[path.substr(kFolder.size() + 1)] = {bytes.begin(), bytes.end()};
            }
        }
        return logs;
    }

    static std::vector<std::uint8_t> LogBytes(const Samples& samples) {
        return EncodeLogFile(LogOf(samples));
    }

    RecorderPower power;
    FakeRealClock clock{kStartMs};
    MemoryFileStore files;
    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<DischargeRecorder> recorder;

private:
    std::int64_t m_elapsed = 0;
    std::int64_t m_due = 0;
};

struct Case {
    const char* name;
    std::vector<Step> steps;
    std::map<std::string, std::string> logs;  // the folder afterwards
    std::string said;                         // a line on stdout
    int errLines = 0;
    std::map<std::string, std::string> before = {};  // the folder at the start
};

// A level that changes at every reading, from 100: 99, 98, 99, 98...
std::vector<Step> Flickering(int readings) {
    std::vector<Step> steps{OnBattery(100, 1)};
    for (int t = 1; t <= readings; ++t) {
        steps.push_back(OnBattery(t % 2 == 1 ? 99 : 98, 1));
    }
    steps.push_back(OnBattery(90, 600));
    steps.push_back(OnAc(5));
    return steps;
}
Samples FirstThousandFlickers() {
    Samples samples{{0, 100}};
    for (int t = 1; t < 1000; ++t) {
        samples.emplace_back(t / 60, t % 2 == 1 ? 99 : 98);
    }
    return samples;
}

const std::string kLog = "2026-01-02 1030.blf";
const std::string kKept = "kept  /logs/2026-01-02 1030.blf";

TEST(DischargeRecorder, RecordsDischargesByTheRules) {
    const std::vector<Case> cases{
        {"samples each change until the mains return",
         {OnBattery(90, 120), OnBattery(89, 300), OnBattery(88, 600), OnBattery(87, 60), OnAc(10)},
         {{kLog, Log({{0, 90}, {2, 89}, {7, 88}, {17, 87}})}},
         "2026-01-02 10:30  0:17h  90% -> 87%  " + kKept},
        {"a sleep of over an hour ends it at its last reading, and one begins on waking",
         {OnBattery(90, 300), OnBattery(87, 600), Asleep(3661), OnBattery(80, 10)},
         {{kLog, Log({{0, 90}, {5, 87}})}, {"2026-01-02 1146.blf", Log({{0, 80}})}},
         "0:14h  90% -> 87%  " + kKept},
        {"a sleep of an hour goes on",
         {OnBattery(90, 300), OnBattery(87, 1), Asleep(3599), OnBattery(86, 1), OnAc(5)},
         {{kLog, Log({{0, 90}, {5, 87}, {65, 86}})}},
         "1:05h  90% -> 86%  " + kKept},
        {"ten minutes and three points are kept",
         {OnBattery(90, 300), OnBattery(87, 301), OnAc(5)},
         {{kLog, Log({{0, 90}, {5, 87}})}},
         "0:10h  90% -> 87%  " + kKept},
        {"under ten minutes is noise",
         {OnBattery(90, 300), OnBattery(85, 299), OnAc(5)},
         {},
         "0:09h  90% -> 85%  skipped: under 10 minutes or 3 points"},
        {"under three points is noise",
         {OnBattery(90, 1200), OnBattery(88, 1200), OnAc(5)},
         {},
         "0:39h  90% -> 88%  skipped: under 10 minutes or 3 points"},
        {"no level, no start; a level missing for a while records nothing",
         {OnBattery(-1, 30), OnBattery(90, 60), OnBattery(-1, 300), OnBattery(87, 300), OnAc(5)},
         {{kLog, Log({{0, 90}, {6, 87}})}},
         "2026-01-02 10:30  0:10h  90% -> 87%  " + kKept},
        {"the first thousand samples are kept",
         Flickering(1100),
         {{kLog, Log(FirstThousandFlickers())}},
         "0:28h  100% -> 90%  " + kKept},
        {"a different file keeps its name",
         {OnBattery(90, 700), OnBattery(87, 1), OnAc(5)},
         {{kLog, "other"}, {"2026-01-02 1030 (2).blf", Log({{0, 90}, {11, 87}})}},
         "kept  /logs/2026-01-02 1030 (2).blf",
         0,
         {{kLog, "other"}}},
        {"killed and started again, it goes on with the same file and minutes",
         {OnBattery(90, 300), OnBattery(88, 120), Killed(30), OnBattery(87, 600), OnAc(5)},
         {{kLog, Log({{0, 90}, {5, 88}, {7, 87}})}},
         "0:17h  90% -> 87%  " + kKept},
        {"started again after more than an hour, it ends the old one and begins anew",
         {OnBattery(90, 300), OnBattery(87, 400), Killed(3700), OnBattery(80, 5)},
         {{kLog, Log({{0, 90}, {5, 87}})}, {"2026-01-02 1143.blf", Log({{0, 80}})}},
         "0:11h  90% -> 87%  " + kKept},
        {"a log changed meanwhile is left alone, and a new one begins",
         {OnBattery(90, 300),
          OnBattery(88, 60),
          {Step::Changed},
          Killed(10),
          OnBattery(85, 400),
          OnBattery(80, 300),
          OnAc(5)},
         {{kLog, Log({{0, 1}})}, {"2026-01-02 1036.blf", Log({{0, 85}, {6, 80}})}},
         "0:11h  85% -> 80%  kept  /logs/2026-01-02 1036.blf",
         1},
        {"a folder that cannot be written gets the whole log once it can",
         {OnBattery(90, 60),
          {Step::FolderGone},
          OnBattery(89, 120),
          OnBattery(88, 120),
          {Step::FolderBack},
          OnBattery(88, 60),
          OnBattery(87, 600),
          OnAc(5)},
         {{kLog, Log({{0, 90}, {1, 89}, {3, 88}, {6, 87}})}},
         "0:15h  90% -> 87%  " + kKept,
         1},
        {"a discharge that ended meanwhile is written too",
         {OnBattery(90, 60),
          {Step::FolderGone},
          OnBattery(86, 600),
          OnAc(60),
          {Step::FolderBack},
          OnAc(60)},
         {{kLog, Log({{0, 90}, {1, 86}})}},
         "2026-01-02 10:30  written  /logs/2026-01-02 1030.blf",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecorderRun run;
        for (const auto& [name, bytes] : c.before) {
            run.files.files[kFolder + "/" + name] = {bytes.begin(), bytes.end()};
        }
        for (const Step& step : c.steps) {
            run.Do(step);
        }
        EXPECT_EQ(run.Logs(), c.logs);
        EXPECT_NE(run.out.str().find(c.said + "\n"), std::string::npos) << run.out.str();
        const std::string errors = run.err.str();
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), c.errLines) << errors;
    }
}

TEST(DischargeRecorder, ReadsOnceASecondOnBatteryAndEveryFiveSecondsOnMains) {
    RecorderRun run;
    run.Do(OnAc(300));
    EXPECT_EQ(run.power.reads, 60);
    // The metrics at the first reading and then once a minute, as nothing changes.
    EXPECT_EQ(run.files.writes, 5);
    run.Do(OnBattery(90, 10));
    EXPECT_EQ(run.power.reads, 70);
}

TEST(DischargeRecorder, MetricsShowTheLatestReading) {
    struct MetricsCase {
        const char* name;
        std::vector<Step> steps;
        std::vector<BatteryFigures> batteries;
        std::vector<std::string> samples;
    };
    const std::vector<MetricsCase> cases{
        {"on the mains, with the battery's health and cycles",
         {OnAc(5)},
         {{"BAT0", 100, false, 45000, 50000, 312}},
         {"torvane_on_battery 0", "torvane_battery_level_ratio 1",
          "torvane_discharges_recorded_total 0",
          R"(torvane_battery_health_ratio{battery="BAT0"} 0.9)",
          R"(torvane_battery_cycle_count{battery="BAT0"} 312)"}},
        {"a discharge with the window's estimate; health as it is, no cycles counted",
         {OnBattery(90, 600), OnBattery(89, 600), OnBattery(88, 120)},
         {{"BAT0", 88, true, 52000, 50000, 0}, {"BAT1", 88, true, 3000, 0, 0}},
         {"torvane_on_battery 1", "torvane_battery_level_ratio 0.88",
          "torvane_discharge_start_timestamp_seconds 1767349800", "torvane_discharge_samples 3",
          "torvane_estimated_battery_life_seconds 60000",
          "torvane_estimated_remaining_seconds 52740", "torvane_discharges_recorded_total 0",
          R"(torvane_battery_health_ratio{battery="BAT0"} 1.04)"}},
        {"a level gone unknown, one sample, a discharge kept before",
         {OnBattery(90, 700), OnBattery(87, 1), OnAc(5), OnBattery(86, 60), OnBattery(-1, 5)},
         {{"B\"1", -1, true, 1, 2, 0}},
         {"torvane_on_battery 1", "torvane_discharge_start_timestamp_seconds 1767350506",
          "torvane_discharge_samples 1", "torvane_discharges_recorded_total 1",
          R"(torvane_battery_health_ratio{battery="B\"1"} 0.5)"}},
    };
    for (const MetricsCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecorderRun run;
        run.power.batteries = c.batteries;
        for (const Step& step : c.steps) {
            run.Do(step);
        }
        const auto& bytes = run.files.files.at("/metrics/torvane.prom");
        std::istringstream text(std::string(bytes.begin(), bytes.end()));
        // Each metric comes once, right after its help and type.
        std::vector<std::string> samples;
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) {
            if (!line.starts_with("#")) {
                samples.push_back(line);
                const std::string name = line.substr(0, line.find_first_of("{ "));
                const bool first = lines.empty() || !lines.back().starts_with(name);
                if (first) {
                    ASSERT_GE(lines.size(), 2u) << line;
                    EXPECT_TRUE(lines[lines.size() - 2].starts_with("# HELP " + name + " "));
                    EXPECT_TRUE(lines.back().starts_with("# TYPE " + name + " "));
                }
            }
            lines.push_back(line);
        }
        EXPECT_EQ(samples, c.samples);
    }
}

// The window's session and the recorder, on the same readings, write the same bytes.
using RecorderBesideWindow = SessionTest;

TEST_F(RecorderBesideWindow, LogHoldsTheBytesOfTheWindowsAutoSave) {
    RecorderRun run;
    Start();
    StartSessionOnBattery(95);
    Seconds(1);
    run.Do(OnBattery(95, 1));
    for (const auto& [seconds, percent] : Samples{{59, 94}, {61, 95}, {300, 93}, {1, 90}}) {
        power.percent = percent;
        Seconds(seconds);
        run.Do(OnBattery(percent, seconds));
    }
    EXPECT_EQ(files.files.at(kAutoSave), run.files.files.at(kFolder + "/" + kLog));
}

}  // namespace
}  // namespace torvane::test
