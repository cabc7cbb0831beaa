// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtPowerOffCommand.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <string>
#include <vector>

namespace torvane::test {
namespace {

// The command runs through the real shell; the loop is run until it has ended.
TEST(QtPowerOffCommand, WaitsWithoutBlockingAndTellsEachFailureOnce) {
    struct Row {
        std::string command;
        std::string shell;
        std::string told;  // empty: nothing is told
    };
    const std::vector<Row> rows = {
        {"sleep 0.3; exit 0", "/bin/sh", ""},
        {"sleep 0.3; exit 3", "/bin/sh",
         "Power-off failed: the command \"sleep 0.3; exit 3\" ended with exit status 3."},
        {"kill -9 $$", "/bin/sh",
         "Power-off failed: the command \"kill -9 $$\" was ended by a signal."},
        {"true", "/nonexistent/sh", "Power-off failed: the command \"true\" could not be started"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> told;
        QtPowerOffCommand command(
            row.command, [&told](const std::string& m) { told.push_back(m); }, row.shell);
        QElapsedTimer clock;
        clock.start();
        command.Run();
        command.Run();  // the first one still runs: nothing more starts
        EXPECT_LT(clock.elapsed(), 250) << row.command;
        // The end, or a failure to start, is told as the loop learns of it.
        while (command.Running() && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        ASSERT_FALSE(command.Running()) << row.command << " did not end within 10 s";
        if (row.told.empty()) {
            EXPECT_TRUE(told.empty()) << row.command;
        } else {
            ASSERT_EQ(told.size(), 1u) << row.command;
            EXPECT_EQ(told[0].rfind(row.told, 0), 0u) << told[0];
        }
    }
}

}  // namespace
}  // namespace torvane::test
