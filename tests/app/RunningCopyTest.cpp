// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QTest>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "fakes/TempDir.h"
#include "qt/RunningCopyChannel.h"

namespace torvane::test {
namespace {

using namespace std::chrono_literals;

// A later start asks from its own process; here from a thread, while this one runs the
// running copy's event loop.
bool AskWhileTheLoopRuns(const std::string& socketPath) {
    std::atomic<int> answer{-1};
    std::thread later([&] { answer = RunningCopyChannel::AskToRaise(socketPath, 5s) ? 1 : 0; });
    const bool answered = QTest::qWaitFor([&] { return answer >= 0; }, 10000);
    later.join();
    return answered && answer == 1;
}

TEST(RunningCopy, ALaterStartBringsTheWindowBackFromMinimisedOrHidden) {
    TempDir dir;
    const std::string socketPath = dir / "copy.sock";
    TempDir::Write(socketPath, "");  // left by a copy that was killed
    MainWindow window;
    RunningCopyChannel channel(socketPath);
    std::string error;
    ASSERT_TRUE(channel.Listen([&window] { window.ShowAndActivate(); }, error)) << error;

    window.show();
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    EXPECT_TRUE(AskWhileTheLoopRuns(socketPath));
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());

    window.hide();  // in the background, behind the notification icon
    EXPECT_TRUE(AskWhileTheLoopRuns(socketPath));
    EXPECT_TRUE(window.isVisible());

    // Nobody listening: the later start is told so once its time is up.
    EXPECT_FALSE(RunningCopyChannel::AskToRaise(dir / "nobody.sock", 200ms));

    // A link where the socket belongs is neither listened on nor asked through, even to a
    // copy that answers.
    std::filesystem::create_symlink(socketPath, dir / "link.sock");
    RunningCopyChannel linked(dir / "link.sock");
    EXPECT_FALSE(linked.Listen([] {}, error));
    EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
    EXPECT_FALSE(AskWhileTheLoopRuns(dir / "link.sock"));
}

}  // namespace
}  // namespace torvane::test
