#include "platform/SuspendTimeoutJournalFile.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "fakes/TempDir.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

class SuspendTimeoutJournalFileTest : public ::testing::Test {
protected:
    void SetUp() override { path = dir / "state/torvane/suspend-timeout"; }

    std::string Contents() const {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Put(const std::string& text) const {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << text;
    }

    test::TempDir dir;
    std::string path;
};

TEST_F(SuspendTimeoutJournalFileTest, RecordMakesTheFolderAndClearRemovesTheFile) {
    SuspendTimeoutJournalFile journal(path);
    ASSERT_TRUE(journal.Record(180));
    EXPECT_EQ(Contents(), "180\n");
    struct stat info {};
    ASSERT_EQ(::stat(fs::path(path).parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    journal.Clear();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path).parent_path()), {}), 0);
}

TEST_F(SuspendTimeoutJournalFileTest, ARunningCopyKeepsItsFile) {
    SuspendTimeoutJournalFile running(path);
    ASSERT_TRUE(running.Record(4294967295u));

    SuspendTimeoutJournalFile second(path);
    EXPECT_FALSE(second.Pending().has_value());  // its owner is still going
    EXPECT_FALSE(second.Record(0));              // and its value is the one to keep
    EXPECT_EQ(Contents(), "4294967295\n");
    second.Clear();
    EXPECT_TRUE(fs::exists(path));
}

TEST_F(SuspendTimeoutJournalFileTest, FileOfAnEndedRunIsFoundAtTheNextStart) {
    {
        SuspendTimeoutJournalFile crashed(path);
        ASSERT_TRUE(crashed.Record(180));
    }  // ends without Clear, as a killed run would
    SuspendTimeoutJournalFile next(path);
    EXPECT_EQ(next.Pending(), std::optional<DWORD>(180));
    next.Clear();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(next.Pending().has_value());
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

TEST_F(SuspendTimeoutJournalFileTest, DamagedFileIsDroppedAndNeverRestored) {
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
}

TEST_F(SuspendTimeoutJournalFileTest, UnwritableFolderFailsQuietly) {
    Put("");
    fs::remove(path);
    fs::create_directories(path);  // a folder where the file should be
    SuspendTimeoutJournalFile journal(path);
    EXPECT_FALSE(journal.Record(5));
    EXPECT_FALSE(journal.Pending().has_value());
    journal.Clear();
    EXPECT_TRUE(fs::is_directory(path));
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
