// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/LogindSuspendInhibitor.h"

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace torvane {
namespace {

bool IsOpen(int fd) {
    return ::fcntl(fd, F_GETFD) != -1;
}

// A login manager that hands out one end of a pipe as the lock, or refuses.
class FakeLoginManager : public ILoginManager {
public:
    int Inhibit(const std::string& what, const std::string& who, const std::string& why,
                const std::string& mode) override {
        calls.push_back({what, who, why, mode});
        if (refuse) {
            return -1;
        }
        int ends[2];
        if (::pipe(ends) != 0) {
            return -1;
        }
        ::close(ends[1]);
        lastFd = ends[0];
        return ends[0];
    }
    std::vector<std::vector<std::string>> calls;
    bool refuse = false;
    int lastFd = -1;
};

TEST(LogindSuspendInhibitor, AsksForAnIdleAndSleepBlockAndClosesItOnRelease) {
    FakeLoginManager manager;
    LogindSuspendInhibitor inhibitor(manager);
    inhibitor.Acquire();
    ASSERT_EQ(manager.calls.size(), 1u);
    EXPECT_EQ(manager.calls[0], (std::vector<std::string>{"idle:sleep", "Torvane",
                                                          "Measuring battery discharge", "block"}));
    ASSERT_TRUE(inhibitor.Held());
    const int fd = manager.lastFd;
    EXPECT_TRUE(IsOpen(fd));

    inhibitor.Acquire();  // already held: no second lock
    EXPECT_EQ(manager.calls.size(), 1u);

    inhibitor.Release();
    EXPECT_FALSE(inhibitor.Held());
    EXPECT_FALSE(IsOpen(fd));
    inhibitor.Release();  // nothing held: nothing happens
}

TEST(LogindSuspendInhibitor, RefusalHoldsNothingAndLaterAcquireAsksAgain) {
    FakeLoginManager manager;
    LogindSuspendInhibitor inhibitor(manager);
    manager.refuse = true;
    inhibitor.Acquire();
    EXPECT_FALSE(inhibitor.Held());
    inhibitor.Release();

    manager.refuse = false;
    inhibitor.Acquire();
    EXPECT_TRUE(inhibitor.Held());
    EXPECT_EQ(manager.calls.size(), 2u);
}

TEST(LogindSuspendInhibitor, DestructionReleasesTheLock) {
    FakeLoginManager manager;
    int fd = -1;
    {
        LogindSuspendInhibitor inhibitor(manager);
        inhibitor.Acquire();
        fd = manager.lastFd;
        EXPECT_TRUE(IsOpen(fd));
    }
    EXPECT_FALSE(IsOpen(fd));
}

}  // namespace
}  // namespace torvane
