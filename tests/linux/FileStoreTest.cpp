// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// The host's file store and its in-memory double, held to the same behaviour.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "fakes/FileSizeLimit.h"
#include "fakes/MemoryFileStore.h"
#include "fakes/TempDir.h"
#include "linux/HostFileStore.h"

namespace torvane::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Files on the host, under a device root of their own.
struct HostStore {
    HostStore() {
        std::string error;
        EXPECT_TRUE(paths.PrepareDeviceRoot(error)) << error;
    }
    // A desktop path in a folder that exists.
    std::string DesktopPath(const std::string& folder, const std::string& name) {
        fs::create_directories(dir / folder);
        return dir / (folder + "/" + name);
    }
    void MissingFolder(const std::string&) {}  // a folder nobody made
    std::shared_ptr<void> DiskWithRoomFor(std::size_t bytes) {
        return std::make_shared<FileSizeLimit>(bytes);
    }
    // This process's memory from address 0, where nothing is mapped: a regular file that opens
    // and fails on every read, as a damaged disk's file does.
    std::string UnreadableFile() { return "/proc/self/mem"; }

    TempDir dir;
    DevicePaths paths{dir / "device"};
    HostFileStore store{paths};
};

struct MemoryStore {
    std::string DesktopPath(const std::string& folder, const std::string& name) {
        return "/home/ann/" + folder + "/" + name;
    }
    void MissingFolder(const std::string& folder) { store.missingFolders.insert(folder); }
    std::shared_ptr<void> DiskWithRoomFor(std::size_t bytes) {
        store.freeBytes = bytes;
        return nullptr;
    }
    std::string UnreadableFile() {
        store.files["\\My Documents\\bad.blf"] = {1, 0, 0, 0};
        store.unreadable.insert("\\My Documents\\bad.blf");
        return "\\My Documents\\bad.blf";
    }

    MemoryFileStore store;
};

template <typename Store>
class FileStores : public ::testing::Test {
protected:
    Bytes Read(const std::string& path, std::size_t maxBytes = 1 << 20) {
        Bytes out;
        return files.store.ReadFile(path, maxBytes, out) == FileReadResult::Ok ? out : Bytes{9, 9};
    }

    Store files;
    const Bytes bytes{1, 0, 0, 0, 2, 0, 0, 0};
};

using Stores = ::testing::Types<HostStore, MemoryStore>;
TYPED_TEST_SUITE(FileStores, Stores);

TYPED_TEST(FileStores, DevicePathsAreFoundAsTheHandheldFindsThem) {
    auto& store = this->files.store;
    EXPECT_EQ(store.WriteFile("\\My Documents\\autosave.blf", this->bytes), FileWriteResult::Ok);
    EXPECT_EQ(this->Read("\\MY DOCUMENTS\\AutoSave.BLF"), this->bytes);
    EXPECT_EQ(this->Read("My Documents/./autosave.blf"), this->bytes);
    EXPECT_EQ(this->Read("\\..\\..\\My Documents\\autosave.blf"), this->bytes);
    EXPECT_EQ(store.WriteFile("\\my documents\\AUTOSAVE.blf", {5}), FileWriteResult::Ok);
    EXPECT_EQ(this->Read("\\My Documents\\autosave.blf"), Bytes{5});

    Bytes out;
    EXPECT_EQ(store.ReadFile("\\My Documents\\missing.blf", 100, out), FileReadResult::CannotOpen);
    EXPECT_EQ(store.ReadFile("\\My Documents", 100, out), FileReadResult::CannotOpen);
    EXPECT_TRUE(store.RemoveFile("\\My Documents\\autosave.blf"));
    EXPECT_EQ(store.ReadFile("\\My Documents\\autosave.blf", 100, out), FileReadResult::CannotOpen);
    EXPECT_TRUE(store.RemoveFile("\\My Documents\\autosave.blf"));
}

TYPED_TEST(FileStores, ABackslashInADesktopPathIsPartOfTheName) {
    auto& store = this->files.store;
    const std::string slash = this->files.DesktopPath("Q3", "run.blf");
    const std::string backslash = slash.substr(0, slash.size() - 8) + "\\run.blf";
    ASSERT_EQ(store.WriteFile(slash, {7}), FileWriteResult::Ok);
    EXPECT_EQ(store.WriteFile(backslash, this->bytes), FileWriteResult::Ok);
    EXPECT_EQ(this->Read(slash), Bytes{7});
    EXPECT_EQ(this->Read(backslash), this->bytes);
}

TYPED_TEST(FileStores, AReadReturnsNoMoreThanItAsks) {
    auto& store = this->files.store;
    const std::string path = this->files.DesktopPath("logs", "big.blf");
    ASSERT_EQ(store.WriteFile(path, Bytes(100, 0x11)), FileWriteResult::Ok);
    EXPECT_EQ(this->Read(path, 10), Bytes(10, 0x11));
    EXPECT_EQ(this->Read(path, 1000), Bytes(100, 0x11));
}

TYPED_TEST(FileStores, AFileThatOpensButCannotBeReadIsToldApartAndGivesNothing) {
    Bytes out{3};
    EXPECT_EQ(this->files.store.ReadFile(this->files.UnreadableFile(), 8, out),
              FileReadResult::ReadFailed);
    EXPECT_EQ(out, Bytes{3});
}

TYPED_TEST(FileStores, AFileThatCannotBeMadeIsReportedAsSuch) {
    auto& store = this->files.store;
    this->files.MissingFolder("\\No Such Folder");
    EXPECT_EQ(store.WriteFile("\\No Such Folder\\x.blf", this->bytes),
              FileWriteResult::CannotCreate);
    ASSERT_EQ(store.WriteFile("\\My Documents\\a.blf", this->bytes), FileWriteResult::Ok);
    EXPECT_EQ(store.WriteFile("\\My Documents", this->bytes), FileWriteResult::CannotCreate);
    EXPECT_EQ(store.WriteFile("\\My Documents\\a.blf\\b.blf", this->bytes),
              FileWriteResult::CannotCreate);
    EXPECT_EQ(this->Read("\\My Documents\\a.blf"), this->bytes);
}

TYPED_TEST(FileStores, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
    auto& store = this->files.store;
    const std::string path = "\\My Documents\\run.blf";
    ASSERT_EQ(store.WriteFile(path, this->bytes), FileWriteResult::Ok);
    {
        const auto full = this->files.DiskWithRoomFor(4096);
        EXPECT_EQ(store.WriteFile(path, Bytes(64 * 1024, 0x5A)), FileWriteResult::WriteFailed);
        EXPECT_EQ(store.WriteFile(path, Bytes(100, 0x5B)), FileWriteResult::Ok);
    }
    EXPECT_EQ(this->Read(path), Bytes(100, 0x5B));
}

// --- The host alone -----------------------------------------------------------------------

class HostFiles : public ::testing::Test {
protected:
    HostStore files;
    HostFileStore& store = files.store;
    TempDir& dir = files.dir;
};

TEST_F(HostFiles, OnlyRegularFilesAreReadAndAFailedWriteLeavesNothingBehind) {
    Bytes out;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(store.ReadFile(dir / "pipe", 100, out), FileReadResult::CannotOpen);

    // A file of a terabyte, as a damaged disk or a mistaken choice may show one, costs what
    // the reader asks and no more.
    { std::ofstream(dir / "huge.blf") << "\x01"; }
    fs::resize_file(dir / "huge.blf", std::uintmax_t{1} << 40);
    ASSERT_EQ(store.ReadFile(dir / "huge.blf", 8, out), FileReadResult::Ok);
    EXPECT_EQ(out, (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));

    const std::string target = dir / "device/My Documents/run.blf";
    ASSERT_EQ(store.WriteFile(target, {1}), FileWriteResult::Ok);
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(store.WriteFile(target, Bytes(64 * 1024, 0)), FileWriteResult::WriteFailed);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "device/My Documents"), {}), 1);
}

TEST_F(HostFiles, ReplacingKeepsPermissionsAndFollowsLinks) {
    const std::string target = dir / "shared.csv";
    ASSERT_EQ(store.WriteFile(target, {1, 2}), FileWriteResult::Ok);
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
