// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/HostImportFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/TempDir.h"

namespace torvane::test {
namespace {

namespace fs = std::filesystem;
using Existing = IImportFolder::Existing;
using Named = IImportFolder::Named;

TEST(HostImportFolder, NewLogsNeverTakeTheNameOfAnythingThere) {
    TempDir dir;
    HostImportFolder folder(dir / "a/b/History");
    std::string error;
    ASSERT_TRUE(folder.Make(error)) << error;
    const std::vector<std::uint8_t> log{1, 0, 0, 0, 0, 0, 0, 0};

    const auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::string staged;
        if (!folder.Stage(name, bytes, staged, error) || !folder.Flush(error)) {
            return Named::Failed;
        }
        const Named named = folder.Name(staged, name, error);
        if (named != Named::Written) {
            folder.Discard(staged);
        }
        return named;
    };
    EXPECT_EQ(folder.Compare("x.blf", log), Existing::Missing);
    ASSERT_EQ(write("x.blf", log), Named::Written) << error;
    EXPECT_EQ(folder.Compare("x.blf", log), Existing::Same);
    EXPECT_EQ(write("x.blf", {1, 0, 0, 0, 9, 9, 9, 9}), Named::Taken);
    EXPECT_EQ(TempDir::Read(folder.PathOf("x.blf")), std::string("\1\0\0\0\0\0\0\0", 8));

    // The same bytes and more, fewer, or a folder or a link: all different, all kept.
    TempDir::Write(folder.PathOf("longer.blf"), std::string("\1\0\0\0\0\0\0\0\0", 9));
    TempDir::Write(folder.PathOf("shorter.blf"), std::string("\1\0\0\0", 4));
    fs::create_directory(folder.PathOf("folder.blf"));
    fs::create_symlink(dir / "nowhere", folder.PathOf("dangling.blf"));
    for (const char* name : {"longer.blf", "shorter.blf", "folder.blf", "dangling.blf"}) {
        EXPECT_EQ(folder.Compare(name, log), Existing::Different) << name;
        EXPECT_EQ(write(name, log), Named::Taken) << name;
    }
    EXPECT_FALSE(fs::exists(dir / "nowhere"));

    // A staged log never named is gone with the folder object.
    {
        HostImportFolder other(dir / "a/b/History");
        std::string staged;
        ASSERT_TRUE(other.Stage("y.blf", log, staged, error));
        EXPECT_TRUE(fs::exists(staged));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "a/b/History"), fs::directory_iterator()),
              5);  // no hidden files left behind

    TempDir::Write(dir / "plain", "");
    HostImportFolder blocked(dir / "plain/History");
    EXPECT_FALSE(blocked.Make(error));
    EXPECT_NE(error.find("cannot make the folder " + dir / "plain/History"), std::string::npos)
        << error;
}

}  // namespace
}  // namespace torvane::test
