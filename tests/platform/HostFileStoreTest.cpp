#include "platform/HostFileStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "fakes/FileSizeLimit.h"
#include "fakes/TempDir.h"

namespace torvane::test {
namespace {

namespace fs = std::filesystem;

class HostFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(paths.PrepareDeviceRoot(error)) << error;
    }
    std::size_t EntriesIn(const std::string& folder) {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) {
            ++n;
        }
        return n;
    }

    TempDir dir;
    DevicePaths paths{dir / "device"};
    HostFileStore store{paths};
    const std::vector<std::uint8_t> bytes{1, 0, 0, 0, 2, 0, 0, 0};
};

TEST_F(HostFiles, WritesAndReadsByDeviceAndHostPath) {
    EXPECT_EQ(store.WriteFile("\\My Documents\\autosave.blf", bytes), FileWriteResult::Ok);
    EXPECT_EQ(TempDir::Read(dir / "device/My Documents/autosave.blf"),
              std::string("\1\0\0\0\2\0\0\0", 8));
    std::vector<std::uint8_t> back;
    EXPECT_EQ(store.ReadFile(dir / "device/My Documents/autosave.blf", back), FileReadResult::Ok);
    EXPECT_EQ(back, bytes);

    EXPECT_EQ(store.ReadFile("\\My Documents\\missing.blf", back), FileReadResult::CannotOpen);
    EXPECT_EQ(store.ReadFile("\\My Documents", back), FileReadResult::CannotOpen);
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(store.ReadFile(dir / "pipe", back), FileReadResult::CannotOpen);

    EXPECT_TRUE(store.RemoveFile("\\My Documents\\autosave.blf"));
    EXPECT_FALSE(fs::exists(dir / "device/My Documents/autosave.blf"));
    EXPECT_TRUE(store.RemoveFile("\\My Documents\\autosave.blf"));

    // In a desktop path a backslash is part of a name: the file beside it is not touched.
    fs::create_directories(dir / "Q3");
    TempDir::Write(dir / "Q3/run.blf", "kept");
    EXPECT_EQ(store.WriteFile(dir / "Q3\\run.blf", bytes), FileWriteResult::Ok);
    EXPECT_EQ(TempDir::Read(dir / "Q3/run.blf"), "kept");
    EXPECT_EQ(store.ReadFile(dir / "Q3\\run.blf", back), FileReadResult::Ok);
    EXPECT_EQ(back, bytes);
}

TEST_F(HostFiles, AFileThatCannotBeMadeIsReportedAsSuch) {
    EXPECT_EQ(store.WriteFile("\\No Such Folder\\x.blf", bytes), FileWriteResult::CannotCreate);
    EXPECT_EQ(store.WriteFile("\\My Documents", bytes), FileWriteResult::CannotCreate);
    EXPECT_TRUE(fs::is_directory(dir / "device/My Documents"));
}

TEST_F(HostFiles, AFailedWriteLeavesTheOldFileWholeAndNoLeftovers) {
    const std::string target = dir / "device/My Documents/run.blf";
    ASSERT_EQ(store.WriteFile(target, bytes), FileWriteResult::Ok);
    std::vector<std::uint8_t> big(64 * 1024, 0x5A);
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(store.WriteFile(target, big), FileWriteResult::WriteFailed);
    }
    std::vector<std::uint8_t> back;
    ASSERT_EQ(store.ReadFile(target, back), FileReadResult::Ok);
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(EntriesIn(dir / "device/My Documents"), 1u);
}

TEST_F(HostFiles, ReplacingKeepsPermissionsAndFollowsLinks) {
    const std::string target = dir / "shared.csv";
    ASSERT_EQ(store.WriteFile(target, bytes), FileWriteResult::Ok);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(store.WriteFile(target, {9}), FileWriteResult::Ok);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    fs::create_symlink(target, dir / "link.csv");
    ASSERT_EQ(store.WriteFile(dir / "link.csv", {7, 7}), FileWriteResult::Ok);
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv"));
    EXPECT_EQ(TempDir::Read(target), "\7\7");
}

}  // namespace
}  // namespace torvane::test
