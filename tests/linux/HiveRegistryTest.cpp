// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linux/HiveRegistry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fakes/FileSizeLimit.h"
#include "fakes/MemoryRegistry.h"
#include "fakes/TempDir.h"
#include "platform/RegistryEncoding.h"

namespace torvane::test {
namespace {

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane";

std::uint32_t ReadDword(HiveRegistry& reg, const std::string& name) {
    return StoredDword(reg, kKey, name);
}

class HiveRegistryFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir / "config/torvane/registry.reg";
};

TEST_F(HiveRegistryFile, CreatesTheFileAndItsFolderAndSeesOtherWriters) {
    HiveRegistry a(path);
    HiveRegistry b(path);
    RegValue value;
    EXPECT_FALSE(a.QueryValue(kKey, "InitData", value));
    EXPECT_FALSE(std::filesystem::exists(path));

    EXPECT_TRUE(a.CreateKey(kKey));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(a.SetValue(kKey, "InitData", RegistryEncoding::Dword(3)));
    // Nothing is cached: the second instance sees the first one's value at once.
    EXPECT_EQ(ReadDword(b, "initdata"), 3u);
    EXPECT_TRUE(b.SetValue(kKey, "INITDATA", RegistryEncoding::Dword(2)));
    EXPECT_EQ(ReadDword(a, "InitData"), 2u);
    EXPECT_NE(TempDir::Read(path).find("\"InitData\"=dword:00000002"), std::string::npos);

    EXPECT_TRUE(a.DeleteValue(kKey, "initDATA"));
    EXPECT_FALSE(b.QueryValue(kKey, "InitData", value));
    EXPECT_TRUE(a.DeleteValue(kKey, "NeverThere"));

    // Names that could not be written back are refused and the file is left alone.
    const std::string before = TempDir::Read(path);
    EXPECT_FALSE(a.SetValue(kKey, "two\nlines", RegistryEncoding::Dword(1)));
    EXPECT_FALSE(a.CreateKey("A\\\\B"));
    EXPECT_EQ(TempDir::Read(path), before);
}

TEST_F(HiveRegistryFile, ADamagedFileIsKeptAsBadBeforeItIsReplaced) {
    const std::string damaged =
        "REGEDIT4\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\n"
        "\"ColorSess\"=dword:000000ff\n"
        "\"ShowVGrid\"=dword:zz\n"
        "\x01\x02\x03 binary junk\n";
    TempDir::Write(path, damaged);
    std::vector<std::string> warnings;
    HiveRegistry reg(path, [&](const std::string& m) { warnings.push_back(m); });

    EXPECT_EQ(ReadDword(reg, "ColorSess"), 0xFFu);
    RegValue value;
    EXPECT_FALSE(reg.QueryValue(kKey, "ShowVGrid", value));
    // Reading changes nothing on disk.
    EXPECT_FALSE(std::filesystem::exists(path + ".bad"));
    EXPECT_TRUE(reg.CreateKey(kKey));
    EXPECT_FALSE(std::filesystem::exists(path + ".bad"));

    EXPECT_TRUE(reg.SetValue(kKey, "ShowHGrid", RegistryEncoding::Dword(1)));
    EXPECT_EQ(TempDir::Read(path + ".bad"), damaged);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find(path + ".bad"), std::string::npos);
    EXPECT_EQ(ReadDword(reg, "ColorSess"), 0xFFu);
    EXPECT_EQ(ReadDword(reg, "ShowHGrid"), 1u);
    EXPECT_FALSE(HiveDocument::Parse(TempDir::Read(path)).Damaged());

    // The replaced file is sound, so later writes leave the kept copy alone.
    EXPECT_TRUE(reg.SetValue(kKey, "ShowHGrid", RegistryEncoding::Dword(0)));
    EXPECT_EQ(TempDir::Read(path + ".bad"), damaged);
    EXPECT_EQ(warnings.size(), 1u);
}

TEST_F(HiveRegistryFile, AFileThatCannotBeReadIsNeverReplaced) {
    std::filesystem::create_directories(path);  // a folder where the file should be
    HiveRegistry reg(path);
    RegValue value;
    EXPECT_FALSE(reg.QueryValue(kKey, "InitData", value));
    EXPECT_FALSE(reg.CreateKey(kKey));
    EXPECT_FALSE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(3)));
    EXPECT_TRUE(std::filesystem::is_directory(path));

    // Far larger than any hive: not read at all, said once, and kept as it is.
    std::filesystem::remove(path);
    const std::string huge = "REGEDIT4\n\n[" + std::string(kKey) +
                             "]\n\"InitData\"=dword:00000003\n" +
                             std::string(HiveRegistry::kMaxFileBytes, ';');
    TempDir::Write(path, huge);
    std::vector<std::string> warnings;
    HiveRegistry large(path, [&](const std::string& m) { warnings.push_back(m); });
    EXPECT_FALSE(large.QueryValue(kKey, "InitData", value));
    EXPECT_FALSE(large.SetValue(kKey, "InitData", RegistryEncoding::Dword(2)));
    EXPECT_EQ(TempDir::Read(path), huge);
    ASSERT_EQ(warnings.size(), 2u);  // too large; the setting was not saved
    EXPECT_NE(warnings[0].find("too large"), std::string::npos);
    EXPECT_NE(warnings[1].find("not saved"), std::string::npos);
}

TEST_F(HiveRegistryFile, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
    HiveRegistry reg(path);
    ASSERT_TRUE(reg.SetValue(kKey, "InitData", RegistryEncoding::Dword(3)));
    const std::string before = TempDir::Read(path);

    RegValue big;
    big.type = REG_BINARY;
    big.data.assign(20000, 0xAB);
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(reg.SetValue(kKey, "Big", big));
    }
    EXPECT_EQ(TempDir::Read(path), before);
    EXPECT_EQ(ReadDword(reg, "InitData"), 3u);
    // No temporary file is left behind.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e :
         std::filesystem::directory_iterator(dir / "config/torvane")) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u);  // the hive and its lock file
    EXPECT_TRUE(reg.SetValue(kKey, "Big", big));
}

TEST_F(HiveRegistryFile, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kWrites = 500;
    HiveRegistry(path).CreateKey(kKey);
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            HiveRegistry reg(path);
            bool ok = true;
            for (int i = 0; i < kWrites; ++i) {
                const std::string name =
                    std::string(c == 0 ? "First" : "Second") + std::to_string(i);
                ok = reg.SetValue(kKey, name,
                                  RegistryEncoding::Dword(static_cast<std::uint32_t>(i * 2 + c))) &&
                     ok;
            }
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    HiveRegistry reg(path);
    int found = 0;
    for (int c = 0; c < 2; ++c) {
        for (int i = 0; i < kWrites; ++i) {
            const std::string name = std::string(c == 0 ? "First" : "Second") + std::to_string(i);
            found += ReadDword(reg, name) == static_cast<std::uint32_t>(i * 2 + c) ? 1 : 0;
        }
    }
    EXPECT_EQ(found, 2 * kWrites);
}

}  // namespace
}  // namespace torvane::test
