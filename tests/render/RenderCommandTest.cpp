// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "app/RenderCommand.h"
#include "fakes/LogOf.h"
#include "fakes/MemoryRegistry.h"
#include "fakes/TempDir.h"
#include "logfile/BatteryLogFile.h"
#include "settings/CSettingsStore.h"

namespace torvane::test {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

std::string Bytes(const std::vector<std::uint8_t>& v) {
    return std::string(v.begin(), v.end());
}

int CountInColumn(const QImage& img, int x, QRgb colour, int top = 0, int bottom = 320) {
    int n = 0;
    for (int y = top; y < std::min(bottom, img.height()); ++y) {
        n += img.pixel(x, y) == colour;
    }
    return n;
}

class Render : public ::testing::Test {
protected:
    TempDir dir;
    MemoryRegistry store;
    std::ostringstream err;
    std::string log = dir / "session.blf";
    std::string png = dir / "graph.png";

    void SetUp() override {
        TempDir::Write(log, Bytes(EncodeLogFile(LogOf({{0, 100}, {60, 90}, {120, 80}}))));
    }

    int Run(std::optional<int> hours = std::nullopt, const std::string& from = "", int scale = 1) {
        return RunRenderCommand({from.empty() ? log : from, png, hours, scale}, store, err);
    }
};

TEST_F(Render, StoredColoursAndSwitchesAreUsedAndHoursOverrideTheScale) {
    store.PutDword(kSettingsKey, "InitData", 3);
    store.PutDword(kSettingsKey, "ColorSess", 0x00FF00);
    store.PutDword(kSettingsKey, "ColorGrid1", 0xFF000000);  // the automatic colour
    // Absent colours read as 0, black: the store was initialised, so no first-run values.
    store.PutDword(kSettingsKey, "ShowHGrid", 1);  // stored inverted: off
    store.PutDword(kSettingsKey, "ScaleHours", 7);
    store.writeLog.clear();
    ASSERT_EQ(Run(), 0) << err.str();
    QImage seven(QString::fromStdString(png));
    EXPECT_EQ(seven.pixel(61, 58), 0xFF00FF00u);
    EXPECT_EQ(seven.pixel(200, 95), kWhite);                  // no rows
    EXPECT_EQ(seven.pixel(59, 100), kBlack);                  // hour column in black
    EXPECT_EQ(CountInColumn(seven, 82, kBlack, 38, 228), 0);  // no quarter line at 7 hours

    ASSERT_EQ(Run(1), 0) << err.str();
    QImage one(QString::fromStdString(png));
    EXPECT_GT(CountInColumn(one, 82, kBlack, 38, 228), 50);  // dashed quarter line at 1 hour

    // Twice the size: the same picture with two pixels each way for each of the window's.
    ASSERT_EQ(Run(std::nullopt, "", 2), 0) << err.str();
    QImage two(QString::fromStdString(png));
    ASSERT_EQ(two.size(), QSize(480, 640));
    EXPECT_EQ(two.pixel(2 * 59, 200), kBlack);  // the 1h column, two pixels wide
    EXPECT_EQ(two.pixel(2 * 59 + 1, 200), kBlack);
    EXPECT_EQ(two.pixel(2 * 59 + 2, 200), kWhite);
    EXPECT_EQ(two.pixel(2 * 61, 2 * 58), 0xFF00FF00u);
    EXPECT_TRUE(store.writeLog.empty());
}

TEST_F(Render, ReferenceLogsFillSlotsOneToThreeAndFollowTheirSwitches) {
    store.PutDword(kSettingsKey, "InitData", 3);
    store.PutDword(kSettingsKey, "ColorSess", 0x000000);
    store.PutDword(kSettingsKey, "ColorRef1", 0x0000FF);  // red
    store.PutDword(kSettingsKey, "ColorRef2", 0x00FF00);  // green
    store.PutDword(kSettingsKey, "ColorRef3", 0xFF0000);  // blue
    store.PutDword(kSettingsKey, "ShowRef2", 1);          // stored inverted: off
    std::vector<std::string> refs;
    for (const BatteryLog& ref :
         {LogOf({{0, 100}, {120, 50}, {240, 30}}), LogOf({{0, 100}, {120, 40}, {240, 20}}),
          LogOf({{0, 100}, {60, 70}, {120, 60}})}) {
        refs.push_back(dir / ("ref" + std::to_string(refs.size() + 1) + ".blf"));
        TempDir::Write(refs.back(), Bytes(EncodeLogFile(ref)));
    }
    ASSERT_EQ(RunRenderCommand({log, png, std::nullopt, 1, refs}, store, err), 0) << err.str();
    const QImage img(QString::fromStdString(png));
    // At 7 hours: x = 31 + m x 206 / 420, y = 38 + (100 - p) x 192 / 100.
    EXPECT_EQ(img.pixel(89, 134), 0xFFFF0000u);  // slot 1 at (120, 50)
    EXPECT_NE(img.pixel(89, 153), 0xFF00FF00u);  // slot 2 at (120, 40): switched off
    EXPECT_EQ(img.pixel(60, 95), 0xFF0000FFu);   // slot 3 at (60, 70)
    // Slot 3's dashed estimation line, from (89, 114) to 0 % at minute 300, (178, 230).
    int dashes = 0;
    for (int y = 118; y < 228; ++y) {
        for (int x = 90; x < 178; ++x) {
            dashes += img.pixel(x, y) == 0xFF0000FFu;
        }
    }
    EXPECT_GT(dashes, 20);
    EXPECT_LT(dashes, 100);  // gaps: a solid line would colour about 110
}

TEST_F(Render, BadLogFilesFailWithAMessageAndNoPicture) {
    EXPECT_EQ(Run(std::nullopt, dir / "missing.blf"), 1);
    EXPECT_NE(err.str().find("Cannot open file"), std::string::npos) << err.str();

    const std::string version2 = dir / "v2.blf";
    TempDir::Write(version2, std::string("\x02\0\0\0\0\0\0\0", 8));
    err.str("");
    EXPECT_EQ(Run(std::nullopt, version2), 1);
    EXPECT_NE(err.str().find("Not a valid Torvane log file"), std::string::npos) << err.str();

    // A bad reference log is refused as a bad log is.
    err.str("");
    EXPECT_EQ(RunRenderCommand({log, png, std::nullopt, 1, {log, version2}}, store, err), 1);
    EXPECT_NE(err.str().find("Not a valid Torvane log file"), std::string::npos) << err.str();

    const std::string truncated = dir / "short.blf";
    TempDir::Write(truncated,
                   Bytes(EncodeLogFile(LogOf({{0, 100}, {60, 90}, {120, 80}}))).substr(0, 20));
    EXPECT_EQ(Run(std::nullopt, truncated), 1);
    EXPECT_FALSE(std::filesystem::exists(png));

    png = dir / "no-such-folder/graph.png";
    err.str("");
    EXPECT_EQ(Run(), 1);
    EXPECT_NE(err.str().find("Cannot create file"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace torvane::test
