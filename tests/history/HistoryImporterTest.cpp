// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryImporter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "fakes/LogOf.h"
#include "fakes/MemoryImportFolder.h"
#include "logfile/BatteryLogFile.h"

namespace torvane::test {
namespace {

// Two discharges, a charge between them, a run too short to keep, sleep and a damaged line.
const char* const kHistory =
    "1700000000\t100.000\tfully-charged\n"
    "1700000100\t99.400\tdischarging\n"
    "1700000700\t97.000\tdischarging\n"
    "1700003700\t90,000\tdischarging\n"
    "1700003760\t90.000\tcharging\n"
    "1700010000\t100.000\tfully-charged\n"
    "1700020000\t98.000\tdischarging\n"
    "1700020300\t95.000\tdischarging\n"
    "17000250\n"
    "1700030000\t80.000\tdischarging\n"
    "1700032400\t70.000\tdischarging\n";

class HistoryImport : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) {
            m_oldTz = tz;
        }
        ::setenv("TZ", "IST-5:30", 1);  // half an hour off the hour, east of Greenwich
        ::tzset();
    }
    void TearDown() override {
        if (m_oldTz) {
            ::setenv("TZ", m_oldTz->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

    // Imports a history once into `into`; what it said on out and err, the summary last.
    std::pair<std::string, std::string> Import(ImportCounts* counts = nullptr,
                                               const std::string& history = kHistory) {
        return Import(folder, counts, history);
    }
    static std::pair<std::string, std::string> Import(MemoryImportFolder& into,
                                                      ImportCounts* counts,
                                                      const std::string& history) {
        std::ostringstream out;
        std::ostringstream err;
        HistoryImporter importer(into, out, err);
        std::istringstream in(history);
        EXPECT_TRUE(importer.Import(in));
        out << importer.Summary() << "\n";
        if (counts != nullptr) {
            *counts = importer.Counts();
        }
        return {out.str(), err.str()};
    }

    MemoryImportFolder folder;
    const std::vector<std::uint8_t> first = EncodeLogFile(LogOf({{0, 99}, {10, 97}, {60, 90}}));
    const std::vector<std::uint8_t> second = EncodeLogFile(LogOf({{0, 80}, {40, 70}}));

private:
    std::optional<std::string> m_oldTz;
};

TEST_F(HistoryImport, OneLogForEachDischargeNamedAfterItsLocalStart) {
    const std::vector<std::uint8_t> mine = EncodeLogFile(LogOf({{0, 100}, {5, 99}}));
    folder.files["2023-11-15 1203.blf"] = mine;
    const auto [out, err] = Import();
    EXPECT_EQ(out,
              "2023-11-15 03:45  1:00h  99% -> 90%  written  /logs/2023-11-15 0345.blf\n"
              "2023-11-15 12:03  0:40h  80% -> 70%  written  /logs/2023-11-15 1203 (2).blf\n"
              "1 history file read, 2 discharges: 2 written, 0 unchanged; skipped 1 run under "
              "10 minutes or 3 points, 1 unreadable line\n");
    EXPECT_EQ(err, "");
    EXPECT_EQ(folder.files.size(), 3u);
    EXPECT_EQ(folder.files["2023-11-15 0345.blf"], first);
    EXPECT_EQ(folder.files["2023-11-15 1203.blf"], mine);  // never replaced
    EXPECT_EQ(folder.files["2023-11-15 1203 (2).blf"], second);
    EXPECT_EQ(folder.flushes, 1);  // both logs reach the disk with one flush
    EXPECT_EQ(folder.syncs, 1);
    EXPECT_TRUE(folder.staged.empty());
}

TEST_F(HistoryImport, NamesTakenMeanwhileOrInTheSameBatchAreLookedAtAgain) {
    folder.beforeName = [this](const std::string& name) {
        if (name == "2023-11-15 0345.blf") {
            folder.files[name] = first;  // another import of the same history
        } else if (name == "2023-11-15 1203.blf") {
            folder.files[name] = first;  // something else under the second one's name
        }
    };
    ImportCounts counts;
    Import(&counts);
    EXPECT_EQ(counts.unchanged, 1u);
    EXPECT_EQ(counts.written, 1u);
    EXPECT_EQ(folder.files["2023-11-15 1203 (2).blf"], second);
    EXPECT_TRUE(folder.staged.empty());

    // The clock set back twice: three runs start in one minute, the last a repeat of the first.
    const std::string steps =
        "1700000100\t90.000\tdischarging\n1700000700\t80.000\tdischarging\n"
        "1700000110\t70.000\tdischarging\n1700000710\t60.000\tdischarging\n"
        "1700000100\t90.000\tdischarging\n1700000700\t80.000\tdischarging\n";
    MemoryImportFolder fresh;
    EXPECT_EQ(
        Import(fresh, nullptr, steps)
            .first.find(
                "2023-11-15 03:45  0:10h  90% -> 80%  written  /logs/2023-11-15 0345.blf\n"
                "2023-11-15 03:45  0:10h  70% -> 60%  written  /logs/2023-11-15 0345 (2).blf\n"
                "2023-11-15 03:45  0:10h  90% -> 80%  unchanged  /logs/2023-11-15 0345.blf\n"
                "1 history file read, 3 discharges:"),
        0u);
    EXPECT_EQ(fresh.files.size(), 2u);
    EXPECT_TRUE(fresh.staged.empty());
}

TEST_F(HistoryImport, ManyDischargesReachTheDiskInBatchesInTheirOrder) {
    std::string history;
    const int runs = static_cast<int>(HistoryImporter::kBatch) + 6;
    for (int i = 0; i < runs; ++i) {
        const long t = 1700000000L + i * 86400L;  // one a day, at the same time
        history += std::to_string(t) + "\t90.000\tdischarging\n" + std::to_string(t + 600) +
                   "\t80.000\tdischarging\n" + std::to_string(t + 601) + "\t80.000\tcharging\n";
    }
    ImportCounts counts;
    const std::string text = Import(&counts, history).first;
    EXPECT_EQ(counts.written, static_cast<std::uint64_t>(runs));
    EXPECT_EQ(folder.flushes, 2);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), runs + 1);  // and the summary
    EXPECT_EQ(text.find("2023-11-15 03:43  0:10h"), 0u);
    EXPECT_NE(text.rfind("2024-01-23 03:43  0:10h  90% -> 80%  written"), std::string::npos)
        << text;
}

TEST_F(HistoryImport, FailuresAreCountedAndSaidOnce) {
    folder.makeError = "cannot make the folder /logs: a file is in the way";
    ImportCounts counts;
    auto [out, err] = Import(&counts);
    EXPECT_EQ(counts.failed, 2u);
    EXPECT_EQ(folder.makes, 1);
    EXPECT_EQ(err, "torvane: cannot make the folder /logs: a file is in the way\n");
    EXPECT_NE(out.find("90%  failed  /logs/2023-11-15 0345.blf\n"), std::string::npos) << out;
    EXPECT_NE(out.find("0 unchanged, 2 failed;"), std::string::npos) << out;

    // A failure at any later step loses no staged log and is said with each log it hits,
    // except a failed flush, which is said once.
    folder.makeError.reset();
    folder.stageError = "Cannot create file";
    std::tie(out, err) = Import(&counts);
    EXPECT_EQ(counts.failed, 2u);
    EXPECT_EQ(err,
              "torvane: Cannot create file 2023-11-15 0345.blf\n"
              "torvane: Cannot create file 2023-11-15 1203.blf\n");

    folder.stageError.reset();
    folder.flushError = "cannot write to the disk in /logs: Input/output error";
    std::tie(out, err) = Import(&counts);
    EXPECT_EQ(counts.failed, 2u);
    EXPECT_EQ(err, "torvane: cannot write to the disk in /logs: Input/output error\n");

    folder.flushError.reset();
    folder.nameError = "Cannot create file";
    std::tie(out, err) = Import(&counts);
    EXPECT_EQ(counts.failed, 2u);
    EXPECT_NE(err.find("Cannot create file 2023-11-15 1203.blf\n"), std::string::npos) << err;
    EXPECT_TRUE(folder.files.empty());
    EXPECT_TRUE(folder.staged.empty());
    EXPECT_EQ(folder.syncs, 0);
}

}  // namespace
}  // namespace torvane::test
