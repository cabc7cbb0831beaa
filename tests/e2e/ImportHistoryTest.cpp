// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/ChildProcess.h"
#include "fakes/LogOf.h"
#include "fakes/TempDir.h"
#include "logfile/BatteryLogFile.h"

namespace torvane::test {
namespace {

using namespace std::chrono_literals;

// A battery log file's bytes.
std::string LogFile(std::initializer_list<std::pair<std::int32_t, std::int32_t>> samples) {
    const auto bytes = EncodeLogFile(LogOf(samples));
    return {bytes.begin(), bytes.end()};
}

// The first battery: a discharge cut in two by sleep, a charge, a discharge that reads over
// 100 %, and a last line cut short by a crash.
const char* const kBat0 =
    "1718000000\t100.000\tfully-charged\n"
    "1718000000\t0.000\tunknown\n"
    "1718000300\t99.600\tdischarging\n"
    "1718000900\t98.200\tdischarging\n"
    "1718001500\t97.000\tdischarging\n"
    "1718002100\t96.499\tdischarging\n"
    "1718002400\t95.501\tdischarging\n"
    "1718002700\t95.000\tdischarging\n"
    "1718009900\t94.800\tdischarging\n"
    "1718010500\t93.000\tdischarging\n"
    "1718011100\t90.000\tdischarging\n"
    "1718011160\t90.200\tcharging\n"
    "1718013000\t100.000\tfully-charged\n"
    "1718020000\t99.000\tdischarging\n"
    "1718020600\t101.300\tdischarging\n"
    "1718021200\t97.000\tdischarging\n"
    "1718024800\t85.000\tdischarging\n"
    "171802540";

// The second battery, written in a locale with a decimal comma and CRLF line ends: a discharge
// that starts in the same minute as the first battery's, and one too short to keep.
const char* const kBat1 =
    "1717990000\t80,000\tcharging\r\n"
    "1717999000\t100,000\tfully-charged\r\n"
    "\r\n"
    "1718000310\t99,000\tdischarging\r\n"
    "1718000910\t98,500\tdischarging\r\n"
    "1718001510\t97,400\tdischarging\r\n"
    "1718002710\t93,000\tdischarging\r\n"
    "1718002800\t93,000\tpending-charge\r\n"
    "1718002900\t94,000\tcharging\r\n"
    "1718008000\t93,000\tdischarging\r\n"
    "1718008300\t90,000\tdischarging\r\n"
    "1718008400\t90,000\tcharging\r\n";

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class ImportHistory : public ::testing::Test {
protected:
    void SetUp() override {
        TempDir::Write(dir / "upower/history-charge-BAT0.dat", kBat0);
        TempDir::Write(dir / "upower/history-charge-BAT1.dat", kBat1);
        // The daemon's other histories are not charge levels.
        TempDir::Write(dir / "upower/history-rate-BAT0.dat",
                       "1718000300\t20.000\tdischarging\n1718003000\t10.000\tdischarging\n");
    }

    Outcome Import(const std::vector<std::string>& more, const std::string& historyDir = "") {
        std::vector<std::string> args{"--import-history"};
        args.insert(args.end(), more.begin(), more.end());
        auto env = EnvironmentWith(
            {{"TORVANE_HISTORY_DIR", historyDir.empty() ? dir / "upower" : historyDir},
             {"TORVANE_DEVICE_ROOT", dir / "device"},
             {"TORVANE_REGISTRY", dir / "registry.reg"},
             {"XDG_CONFIG_HOME", dir / "config"},
             {"XDG_DATA_HOME", dir / "data"},
             {"XDG_STATE_HOME", dir / "state"},
             {"TZ", "CET-1"}});
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.erase(name);
        }
        ChildProcess child(TORVANE_PROGRAM, args, env, dir / "err.txt", dir / "out.txt");
        Outcome run;
        run.exitCode = child.Wait(30s);
        run.out = TempDir::Read(dir / "out.txt");
        run.err = TempDir::Read(dir / "err.txt");
        return run;
    }

    // Every file under a folder with its bytes and its change time.
    std::map<std::string, std::pair<std::string, std::int64_t>> Contents(
        const std::string& folder) {
        std::map<std::string, std::pair<std::string, std::int64_t>> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            struct stat st {};
            ::stat(entry.path().c_str(), &st);
            files[entry.path().filename()] = {TempDir::Read(entry.path()),
                                              st.st_ctim.tv_sec * 1000000000 + st.st_ctim.tv_nsec};
        }
        return files;
    }

    TempDir dir;
};

TEST_F(ImportHistory, TwoBatteriesGiveTheirDischargesAsLogsAndASecondImportWritesNothing) {
    const Outcome first = Import({});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::string folder = dir / "device/My Documents/History";
    EXPECT_EQ(
        first.out,
        "2024-06-10 07:18  0:40h  100% -> 95%  written  " + folder +
            "/2024-06-10 0718.blf\n"
            "2024-06-10 09:58  0:20h  95% -> 90%  written  " +
            folder +
            "/2024-06-10 0958.blf\n"
            "2024-06-10 12:46  1:20h  99% -> 85%  written  " +
            folder +
            "/2024-06-10 1246.blf\n"
            "2024-06-10 07:18  0:40h  99% -> 93%  written  " +
            folder +
            "/2024-06-10 0718 (2).blf\n"
            "2 history files read, 4 discharges: 4 written, 0 unchanged; skipped 1 run under 10 "
            "minutes or 3 points, 1 unreadable line\n");
    EXPECT_EQ(first.err, "");

    const auto written = Contents(folder);
    ASSERT_EQ(written.size(), 4u);
    EXPECT_EQ(written.at("2024-06-10 0718.blf").first,
              LogFile({{0, 100}, {10, 98}, {20, 97}, {30, 96}, {40, 95}}));
    EXPECT_EQ(written.at("2024-06-10 0958.blf").first, LogFile({{0, 95}, {10, 93}, {20, 90}}));
    EXPECT_EQ(written.at("2024-06-10 1246.blf").first,
              LogFile({{0, 99}, {10, 100}, {20, 97}, {80, 85}}));
    EXPECT_EQ(written.at("2024-06-10 0718 (2).blf").first, LogFile({{0, 99}, {20, 97}, {40, 93}}));

    const Outcome second = Import({});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out.find("written  "), std::string::npos) << second.out;
    EXPECT_NE(second.out.find("93%  unchanged  " + folder + "/2024-06-10 0718 (2).blf\n"),
              std::string::npos)
        << second.out;
    EXPECT_NE(second.out.find("4 discharges: 0 written, 4 unchanged;"), std::string::npos);
    EXPECT_EQ(Contents(folder), written);
}

TEST_F(ImportHistory, WithoutAHistoryItSaysWhyInOneLine) {
    TempDir::Write(dir / "empty/notes.txt", "");
    TempDir::Write(dir / "file", "");
    std::filesystem::create_directories(dir / "other/history-charge-DIR.dat");
    struct Case {
        std::vector<std::string> args;
        std::string historyDir;
        int exitCode;
        std::string says;
    };
    const std::string missing = dir / "missing.dat";
    const Case cases[] = {
        {{}, dir / "empty", 1, "no battery history in "},
        {{}, dir / "none", 1, "cannot read the battery history folder"},
        {{missing, dir / "other/history-charge-DIR.dat"},
         "",
         1,
         "no battery history could be read: cannot read " + missing +
             ": No such file or directory (and 1 more)"},
        {{"--into", dir / "file/logs"}, "", 1, "cannot make the folder"},
        {{dir / "upower/history-charge-BAT1.dat", missing}, "", 0, "cannot read " + missing},
        {{"--into"}, "", 2, "option '--into' needs a folder"},
    };
    for (const Case& c : cases) {
        const Outcome run = Import(c.args, c.historyDir);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        if (c.exitCode == 1) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_EQ(run.out.find("  written  "), std::string::npos) << run.out;
        }
    }
}

}  // namespace
}  // namespace torvane::test
