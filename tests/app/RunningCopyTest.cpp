// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QTest>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "fakes/TempDir.h"
#include "qt/RunningCopyChannel.h"
#include "qt/WindowActivation.h"

namespace torvane::test {
namespace {

using namespace std::chrono_literals;

// A later start asks from its own process; here from a thread, while this one runs the
// running copy's event loop.
RunningCopyChannel::Answer AskWhileTheLoopRuns(const std::string& socketPath,
                                               const std::string& token) {
    std::atomic<int> answer{-1};
    std::thread later(
        [&] { answer = static_cast<int>(RunningCopyChannel::AskToRaise(socketPath, token, 5s)); });
    const bool answered = QTest::qWaitFor([&] { return answer >= 0; }, 10000);
    later.join();
    EXPECT_TRUE(answered);
    return static_cast<RunningCopyChannel::Answer>(answer.load());
}

TEST(RunningCopy, ALaterStartBringsTheWindowBackWithItsTokenAndHearsWhetherItCame) {
    using Answer = RunningCopyChannel::Answer;
    TempDir dir;
    const std::string socketPath = dir / "copy.sock";
    TempDir::Write(socketPath, "");  // left by a copy that was killed
    MainWindow window;
    RunningCopyChannel channel(socketPath);
    std::vector<std::string> tokens;
    std::string error;
    ASSERT_TRUE(channel.Listen(
        [&](const std::string& token) {
            tokens.push_back(token);
            window.ShowAndActivate(token);
            return token == "launch-7_TIME42";  // as a desktop that takes this one
        },
        error))
        << error;

    window.show();
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    EXPECT_EQ(AskWhileTheLoopRuns(socketPath, "launch-7_TIME42"), Answer::Raised);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());

    window.hide();  // in the background, behind the notification icon
    EXPECT_EQ(AskWhileTheLoopRuns(socketPath, ""), Answer::Shown);
    EXPECT_TRUE(window.isVisible());
    // What is no launcher's token is not passed on: the request goes without one.
    EXPECT_EQ(AskWhileTheLoopRuns(socketPath, "two words"), Answer::Shown);
    EXPECT_EQ(tokens, (std::vector<std::string>{"launch-7_TIME42", "", ""}));

    // Nobody listening: the later start is told so once its time is up.
    EXPECT_EQ(RunningCopyChannel::AskToRaise(dir / "nobody.sock", "", 200ms), Answer::None);

    // A link where the socket belongs is neither listened on nor asked through, even to a
    // copy that answers.
    std::filesystem::create_symlink(socketPath, dir / "link.sock");
    RunningCopyChannel linked(dir / "link.sock");
    EXPECT_FALSE(linked.Listen([](const std::string&) { return false; }, error));
    EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
    EXPECT_EQ(AskWhileTheLoopRuns(dir / "link.sock", ""), Answer::None);
}

TEST(RunningCopy, TheLaunchTimeIsReadFromAStartupId) {
    EXPECT_EQ(StartupIdTime("openbox-1234-host-xterm-0_TIME8812345"), 8812345u);
    EXPECT_EQ(StartupIdTime("a_TIME1_TIME77"), 77u);
    for (const char* none : {"", "token", "x_TIME", "x_TIME12a", "x_TIME99999999999"}) {
        EXPECT_EQ(StartupIdTime(none), 0u) << none;
    }
}

}  // namespace
}  // namespace torvane::test
