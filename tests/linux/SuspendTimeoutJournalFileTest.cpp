// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/SuspendTimeoutJournalFile.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "fakes/MemorySuspendJournal.h"
#include "fakes/TempDir.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

// The state file on disk; each run is a journal object of its own.
struct FileJournals {
    FileJournals() { path = dir / "state/torvane/suspend-timeout"; }
    std::unique_ptr<ISuspendTimeoutJournal> Run() {
        return std::make_unique<SuspendTimeoutJournalFile>(path);
    }
    bool Exists() const { return fs::exists(path); }
    void Damage() const { test::TempDir::Write(path, "abc\n"); }
    void MakeUnwritable() const { fs::create_directories(path); }  // a folder in its place

    test::TempDir dir;
    std::string path;
};

// Its double: runs that share one file in memory.
struct MemoryJournals {
    std::unique_ptr<ISuspendTimeoutJournal> Run() {
        return std::make_unique<test::MemorySuspendJournal>(file);
    }
    bool Exists() const { return file.value || file.damaged; }
    void Damage() { file.damaged = true; }
    void MakeUnwritable() { file.unwritable = true; }

    test::MemorySuspendJournal::File file;
};

template <typename Journals>
class SuspendTimeoutJournals : public ::testing::Test {
protected:
    Journals journals;
};

using Kinds = ::testing::Types<FileJournals, MemoryJournals>;
TYPED_TEST_SUITE(SuspendTimeoutJournals, Kinds);

TYPED_TEST(SuspendTimeoutJournals, ARunningCopyKeepsItsValue) {
    auto running = this->journals.Run();
    ASSERT_TRUE(running->Record(180));
    ASSERT_TRUE(running->Record(4294967295u));     // the owner may record again
    EXPECT_FALSE(running->Pending().has_value());  // its own value is no left-over

    auto second = this->journals.Run();
    EXPECT_FALSE(second->Pending().has_value());  // its owner is still going
    EXPECT_FALSE(second->Record(0));              // and its value is the one to keep
    second->Clear();
    running.reset();  // ends without clearing
    EXPECT_EQ(second->Pending(), std::optional<DWORD>(4294967295u));
}

TYPED_TEST(SuspendTimeoutJournals, TheValueOfAnEndedRunIsFoundOnceAtTheNextStart) {
    this->journals.Run()->Record(180);  // ends without Clear, as a killed run would
    {
        auto next = this->journals.Run();
        EXPECT_EQ(next->Pending(), std::optional<DWORD>(180));
        EXPECT_FALSE(next->Pending().has_value());  // now it is this run's own
        EXPECT_FALSE(this->journals.Run()->Pending().has_value());
        EXPECT_TRUE(next->Record(180));  // kept again for a session of its own
    }  // killed again before it was put back: the start after finds it
    auto last = this->journals.Run();
    EXPECT_EQ(last->Pending(), std::optional<DWORD>(180));
    last->Clear();
    EXPECT_FALSE(this->journals.Exists());
    EXPECT_FALSE(this->journals.Run()->Pending().has_value());
}

TYPED_TEST(SuspendTimeoutJournals, ADamagedFileIsDroppedAndAnUnwritableOneRecordsNothing) {
    this->journals.Damage();
    EXPECT_FALSE(this->journals.Run()->Pending().has_value());
    EXPECT_FALSE(this->journals.Exists());

    this->journals.MakeUnwritable();
    auto run = this->journals.Run();
    EXPECT_FALSE(run->Record(5));
    EXPECT_FALSE(run->Pending().has_value());
    run->Clear();
}

// --- The file alone -----------------------------------------------------------------------

class SuspendTimeoutJournalFileTest : public ::testing::Test {
protected:
    void SetUp() override { path = dir / "state/torvane/suspend-timeout"; }

    std::string Contents() const { return test::TempDir::Read(path); }
    void Put(const std::string& text) const { test::TempDir::Write(path, text); }

    test::TempDir dir;
    std::string path;
};

TEST_F(SuspendTimeoutJournalFileTest, RecordMakesAPrivateFolderAndClearLeavesNothing) {
    SuspendTimeoutJournalFile journal(path);
    ASSERT_TRUE(journal.Record(180));
    EXPECT_EQ(Contents(), "180\n");
    struct stat info {};
    ASSERT_EQ(::stat(fs::path(path).parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    journal.Clear();
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path).parent_path()), {}), 0);
}

TEST_F(SuspendTimeoutJournalFileTest, KilledProcessLeavesAnUnlockedFile) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SuspendTimeoutJournalFile journal(path);
        journal.Record(90);
        ::kill(::getpid(), SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    SuspendTimeoutJournalFile next(path);
    EXPECT_EQ(next.Pending(), std::optional<DWORD>(90));
}

TEST_F(SuspendTimeoutJournalFileTest, OnlyADecimalNumberIsAValue) {
    for (const char* text :
         {"", "abc\n", "12 \n", "-1\n", "4294967296\n", "99999999999\n", "18\n0\n"}) {
        Put(text);
        SuspendTimeoutJournalFile journal(path);
        EXPECT_FALSE(journal.Pending().has_value()) << text;
        EXPECT_FALSE(fs::exists(path)) << text;
    }
    Put("0");
    SuspendTimeoutJournalFile journal(path);
    EXPECT_EQ(journal.Pending(), std::optional<DWORD>(0));

    // A pipe in its place is no file, and does not hold up the start.
    fs::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    SuspendTimeoutJournalFile pipe(path);
    EXPECT_FALSE(pipe.Pending().has_value());
}

TEST_F(SuspendTimeoutJournalFileTest, NothingIsReadOrWrittenThroughALinkInItsPlace) {
    Put("180\n");
    fs::rename(path, dir / "kept");
    fs::create_symlink(dir / "kept", path);
    SuspendTimeoutJournalFile journal(path);
    EXPECT_FALSE(journal.Pending().has_value());
    EXPECT_FALSE(journal.Record(5));
    journal.Clear();
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(test::TempDir::Read(dir / "kept"), "180\n");
}

TEST(SuspendTimeoutJournalPath, EachHiveHasItsOwnFile) {
    const std::string a = SuspendTimeoutJournalFile::PathFor("/s/torvane", "/h/.config/reg.reg");
    const std::string b = SuspendTimeoutJournalFile::PathFor("/s/torvane", "/tmp/test/reg.reg");
    EXPECT_EQ(a.rfind("/s/torvane/suspend-timeout.", 0), 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(a, SuspendTimeoutJournalFile::PathFor("/s/torvane", "/h/.config/reg.reg"));
}

}  // namespace
}  // namespace torvane
