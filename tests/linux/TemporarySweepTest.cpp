// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/TemporarySweep.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/TempDir.h"
#include "linux/AtomicFile.h"

namespace torvane::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Last changed an hour ago, as a write killed in an earlier run left it.
void MakeOld(const std::string& path) {
    const timespec times[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

std::string Temporary(const std::string& target) {
    std::string temp;
    EXPECT_EQ(AtomicFile::WriteTemporary(target, {1, 2, 3}, temp), FileWriteResult::Ok);
    return temp;
}

TEST(TemporarySweep, RemovesOnlyTheWritersOwnOldTemporaryFiles) {
    TempDir dir;
    const std::string killed = Temporary(dir / "autosave.blf");
    MakeOld(killed);
    const std::string writing = Temporary(dir / "run.blf");  // a write going on right now

    // Names the writer never makes, a folder and a link, all as old.
    const std::vector<std::string> others{".autosave.blf.swp",
                                          "autosave.blf.tmp-41-7",
                                          ".autosave.blf.tmp-417",
                                          ".autosave.blf.tmp-41-7x",
                                          ".tmp-41-7",
                                          "autosave.blf"};
    for (const std::string& name : others) {
        TempDir::Write(dir / name, "x");
        MakeOld(dir / name);
    }
    fs::create_directory(dir / ".folder.tmp-41-7");
    MakeOld(dir / ".folder.tmp-41-7");
    TempDir::Write(dir / "target", "kept");
    fs::create_symlink(dir / "target", dir / ".link.tmp-41-7");
    MakeOld(dir / ".link.tmp-41-7");

    EXPECT_EQ(SweepTemporaries(dir.Path(), AtomicFile::IsTemporaryName), 1);
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_TRUE(fs::exists(writing));
    for (const std::string& name : others) {
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    }
    EXPECT_TRUE(fs::is_directory(dir / ".folder.tmp-41-7"));
    EXPECT_TRUE(fs::is_symlink(dir / ".link.tmp-41-7"));
    EXPECT_EQ(TempDir::Read(dir / "target"), "kept");

    // A missing folder, and a link in a folder's place, are not swept.
    EXPECT_EQ(SweepTemporaries(dir / "missing", AtomicFile::IsTemporaryName), 0);
    fs::create_symlink(dir.Path(), dir / "alias");
    MakeOld(Temporary(dir / "autosave.blf"));
    EXPECT_EQ(SweepTemporaries(dir / "alias", AtomicFile::IsTemporaryName), 0);
    EXPECT_EQ(SweepTemporaries(dir.Path(), AtomicFile::IsTemporaryName), 1);
}

}  // namespace
}  // namespace torvane::test
