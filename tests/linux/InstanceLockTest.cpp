// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/InstanceLock.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "fakes/TempDir.h"

namespace torvane::test {
namespace {

namespace fs = std::filesystem;

TEST(InstanceLock, TakesAPrivateFolderOfTheUsersOwnAndFollowsNoLink) {
    TempDir dir;
    fs::create_directories(dir / "run");
    ASSERT_EQ(::chmod((dir / "run").c_str(), 0755), 0);
    InstanceLock lock(dir / "run/a.lock");
    EXPECT_EQ(lock.Acquire(), InstanceLock::Result::Held);
    struct stat info {};
    ASSERT_EQ(::stat((dir / "run").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A dangling link in the lock file's place, or in the folder's: refused, and nothing is
    // made where it points.
    fs::create_symlink(dir / "planted", dir / "run/b.lock");
    fs::create_symlink(dir / "run", dir / "alias");
    for (const std::string& path : {dir / "run/b.lock", dir / "alias/c.lock"}) {
        InstanceLock linked(path);
        EXPECT_EQ(linked.Acquire(), InstanceLock::Result::Failed) << path;
        EXPECT_NE(linked.Problem().find("symbolic link"), std::string::npos) << linked.Problem();
    }
    EXPECT_FALSE(fs::exists(dir / "planted"));
    EXPECT_FALSE(fs::exists(dir / "run/c.lock"));

    // A folder that is another user's (only root can make one here).
    if (::geteuid() == 0) {
        fs::create_directories(dir / "theirs");
        ASSERT_EQ(::chown((dir / "theirs").c_str(), 65534, 65534), 0);
        InstanceLock theirs(dir / "theirs/d.lock");
        EXPECT_EQ(theirs.Acquire(), InstanceLock::Result::Failed);
        EXPECT_NE(theirs.Problem().find("another user"), std::string::npos) << theirs.Problem();
        EXPECT_FALSE(fs::exists(dir / "theirs/d.lock"));
    }
}

}  // namespace
}  // namespace torvane::test
