// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "fakes/MemoryRegistry.h"
#include "platform/ReadOnlyRegistry.h"
#include "platform/RegistryEncoding.h"

namespace torvane::test {
namespace {

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane";

TEST(ReadOnlyRegistry, ReadsBelowAndKeepsItsOwnChangesToItself) {
    MemoryRegistry below;
    below.PutDword(kKey, "ScaleHours", 5);
    below.PutDword(kKey, "ColorSess", 9);
    ReadOnlyRegistry view(below);

    EXPECT_EQ(StoredDword(view, kKey, "scalehours"), 5u);
    EXPECT_TRUE(view.CreateKey("HKEY_LOCAL_MACHINE\\Software\\Other"));
    EXPECT_TRUE(view.SetValue(kKey, "SCALEHOURS", RegistryEncoding::Dword(12)));
    EXPECT_TRUE(view.DeleteValue(kKey, "ColorSess"));
    EXPECT_EQ(StoredDword(view, kKey, "ScaleHours"), 12u);
    EXPECT_EQ(StoredDword(view, kKey, "ColorSess"), 0xDEADBEEFu);

    EXPECT_EQ(below.GetDword(kKey, "ScaleHours"), 5u);
    EXPECT_TRUE(below.HasValue(kKey, "ColorSess"));
    EXPECT_TRUE(below.writeLog.empty());
    EXPECT_EQ(below.AccessCount("HKEY_LOCAL_MACHINE\\Software\\Other"), 0);
}

}  // namespace
}  // namespace torvane::test
