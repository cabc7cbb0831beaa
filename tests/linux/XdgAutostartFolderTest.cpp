// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/XdgAutostartFolder.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "fakes/TempDir.h"

namespace torvane {
namespace {

TEST(XdgAutostartFolder, IsMadeWithItsParentsWhenMissing) {
    test::TempDir dir;
    XdgAutostartFolder folder(dir / "my config/autostart");
    EXPECT_EQ(folder.Path(), dir / "my config/autostart");
    EXPECT_FALSE(std::filesystem::exists(folder.Path()));

    ASSERT_TRUE(folder.Make());
    struct stat info {};
    ASSERT_EQ(::stat(folder.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(folder.Make());  // already there
}

TEST(XdgAutostartFolder, AFileInTheWayCannotBecomeTheFolder) {
    test::TempDir dir;
    test::TempDir::Write(dir / "config/autostart", "not a folder");
    XdgAutostartFolder folder(dir / "config/autostart");
    EXPECT_FALSE(folder.Make());
}

}  // namespace
}  // namespace torvane
