// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>

#include <gtest/gtest.h>

#include "fakes/LogOf.h"
#include "fakes/TempDir.h"
#include "logfile/BatteryLogFile.h"

namespace torvane::test {
namespace {

struct Result {
    int exitCode = -1;
    std::string err;
};

// Runs the program with no display at all and a settings store in `dir`.
Result RunProgram(const TempDir& dir, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert("TORVANE_REGISTRY", QString::fromStdString(dir / "registry.reg"));
    env.insert("TORVANE_DEVICE_ROOT", QString::fromStdString(dir / "device"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TORVANE_PROGRAM), args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        return {-1, "the program did not end within 30 s"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString()};
}

TEST(RenderProgram, DrawsALogWithoutADisplayAndLeavesNoSettingsBehind) {
    TempDir dir;
    const auto bytes = EncodeLogFile(LogOf({{0, 100}, {60, 90}, {120, 80}}));
    TempDir::Write(dir / "run.blf", std::string(bytes.begin(), bytes.end()));

    const auto out = dir / "run.png";
    const Result ok = RunProgram(dir, {"--render", QString::fromStdString(dir / "run.blf"),
                                       QString::fromStdString(out), "--hours", "3"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    const QImage img(QString::fromStdString(out));
    ASSERT_EQ(img.size(), QSize(240, 320));
    EXPECT_EQ(img.pixel(30, 37), 0xFF000000u);   // frame corner
    EXPECT_EQ(img.pixel(200, 95), 0xFF00007Fu);  // first-run grid colour
    EXPECT_EQ(img.pixel(99, 100), 0xFF00007Fu);  // the 1h column of a 3-hour scale
    EXPECT_EQ(img.pixel(100, 58), 0xFFFF0000u);  // the session curve at (60, 90)
    int statusInk = 0;  // "Running, Battery: 80%, ..." in the first-run status colour
    for (int y = 240; y < 273; ++y) {
        for (int x = 2; x < 195; ++x) {
            statusInk += img.pixel(x, y) == 0xFF9C0000u;
        }
    }
    EXPECT_GT(statusInk, 50);
    EXPECT_FALSE(std::filesystem::exists(dir / "registry.reg"));
}

TEST(RenderProgram, ABadLogEndsWithStatusOneAndAMessage) {
    TempDir dir;
    // A terabyte of nothing is read no further than a log can reach, and draws nothing.
    TempDir::Write(dir / "huge.blf", "");
    std::filesystem::resize_file(dir / "huge.blf", std::uintmax_t{1} << 40);
    const Result huge = RunProgram(dir, {"--render", QString::fromStdString(dir / "huge.blf"),
                                         QString::fromStdString(dir / "x.png")});
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_NE(huge.err.find("Not a valid Torvane log file"), std::string::npos) << huge.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
}

}  // namespace
}  // namespace torvane::test
