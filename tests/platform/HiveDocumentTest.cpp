// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HiveDocument.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/RegistryEncoding.h"

namespace torvane::test {
namespace {

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane";

RegValue Make(std::uint32_t type, std::vector<std::uint8_t> data) {
    RegValue v;
    v.type = type;
    v.data = std::move(data);
    return v;
}

RegValue Sz(std::u16string_view text) {
    return RegistryEncoding::String(text);
}

void ExpectSame(const RegValue* actual, const RegValue& expected) {
    ASSERT_NE(actual, nullptr);
    EXPECT_EQ(actual->type, expected.type);
    EXPECT_EQ(actual->data, expected.data);
}

TEST(HiveDocument, ReadsTheDocumentedExample) {
    const auto doc = HiveDocument::Parse(
        "REGEDIT4\n"
        "\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\n"
        "\"InitData\"=dword:00000003\n"
        "\"SavePath\"=\"\\\\My Documents\"\n"
        "\n"
        "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts]\n"
        "\"BattSuspendTimeout\"=dword:000000b4\n");
    EXPECT_FALSE(doc.Damaged());
    ExpectSame(doc.Find(kKey, "InitData"), Make(REG_DWORD, {3, 0, 0, 0}));
    ExpectSame(doc.Find(kKey, "SavePath"), Sz(u"\\My Documents"));
    ExpectSame(doc.Find("HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts",
                        "BattSuspendTimeout"),
               Make(REG_DWORD, {0xb4, 0, 0, 0}));
}

TEST(HiveDocument, EveryTypeAndOddBytesSurviveARoundTrip) {
    const std::vector<std::pair<std::string, RegValue>> values = {
        {"plain", Sz(u"\\My Documents")},
        {"quotes \"and\" \\slashes\\", Sz(u"say \"hi\" \\\\server\\share\\")},
        {"accents", Sz(u"Mes documents \u00e9t\u00e9 \u6587\u66f8 \U0001F50B")},
        {"empty text", Sz(u"")},
        {"no terminator", Make(REG_SZ, {'a', 0, 'b', 0})},
        {"odd length", Make(REG_SZ, {'a', 0, 'b'})},
        {"line break", Sz(u"two\nlines")},
        {"lone surrogate", Sz(std::u16string(1, static_cast<char16_t>(0xD800)))},
        {"inner zero", Make(REG_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0})},
        {"dword", Make(REG_DWORD, {0x78, 0x56, 0x34, 0x12})},
        {"short dword", Make(REG_DWORD, {1, 2})},
        {"long dword", Make(REG_DWORD, {1, 2, 3, 4, 5, 6, 7, 8})},
        {"binary", Make(REG_BINARY, {0x00, 0xff, 0x10})},
        {"empty binary", Make(REG_BINARY, {})},
        {"expand", Make(REG_EXPAND_SZ, {'%', 0, 0, 0})},
        {"multi", Make(REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0})},
        {"none", Make(REG_NONE, {7})},
        {"odd type", Make(0x12345678, {1})},
        {"", Make(REG_DWORD, {9, 0, 0, 0})},
    };
    HiveDocument doc;
    for (const auto& [name, value] : values) {
        doc.Set(kKey, name, value);
    }
    const std::string text = doc.Format();
    const auto back = HiveDocument::Parse(text);
    EXPECT_FALSE(back.Damaged()) << text;
    for (const auto& [name, value] : values) {
        SCOPED_TRACE(name);
        ExpectSame(back.Find(kKey, name), value);
    }
    EXPECT_EQ(back.Format(), text);
}

TEST(HiveDocument, WritesReadableText) {
    HiveDocument doc;
    doc.Set(kKey, "InitData", Make(REG_DWORD, {3, 0, 0, 0}));
    doc.Set(kKey, "SavePath", Sz(u"\\My Documents"));
    doc.Set(kKey, "Blob", Make(REG_BINARY, {1, 0xab}));
    doc.Set(kKey, "Expand", Make(REG_EXPAND_SZ, {0x41, 0}));
    EXPECT_EQ(doc.Format(),
              "REGEDIT4\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\n"
              "\"InitData\"=dword:00000003\n"
              "\"SavePath\"=\"\\\\My Documents\"\n"
              "\"Blob\"=hex:01,ab\n"
              "\"Expand\"=hex(2):41,00\n");
}

TEST(HiveDocument, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    auto doc = HiveDocument::Parse(
        "REGEDIT4\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\n"
        "\"ShowVGrid\"=dword:1\n"
        "[hkey_local_machine\\software\\quillmark\\torvane]\n"
        "\"showvgrid\"=dword:5\n");
    EXPECT_FALSE(doc.Damaged());
    ASSERT_EQ(doc.Keys().size(), 1u);
    ExpectSame(doc.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\QUILLMARK\\TORVANE", "SHOWVGRID"),
               Make(REG_DWORD, {5, 0, 0, 0}));

    EXPECT_TRUE(doc.Set(kKey, "SHOWVGRID", Make(REG_DWORD, {0, 0, 0, 0})));
    ASSERT_EQ(doc.Keys()[0].values.size(), 1u);
    EXPECT_EQ(doc.Keys()[0].values[0].name, "ShowVGrid");
    EXPECT_EQ(doc.Keys()[0].path, kKey);

    EXPECT_TRUE(doc.HasKey("hkey_local_machine\\SOFTWARE"));
    EXPECT_FALSE(doc.HasKey("HKEY_LOCAL_MACHINE\\Soft"));
    EXPECT_TRUE(doc.Delete(kKey, "showVGRID"));
    EXPECT_EQ(doc.Find(kKey, "ShowVGrid"), nullptr);
    EXPECT_FALSE(doc.Delete(kKey, "ShowVGrid"));
}

TEST(HiveDocument, AcceptsTheUsualVariationsOfHandWrittenFiles) {
    const auto doc = HiveDocument::Parse(
        "\xEF\xBB\xBFREGEDIT4\r\n"
        "; a comment\r\n"
        "   \r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\r\n"
        "\"A\"=dword:F\r\n"
        "\"B\"=DWORD:0000000a\r\n"
        "\"C\"=hex:01,02,\\\r\n"
        "  03,04\r\n"
        "\"D\" = \"\\My Documents\"\r\n"
        "@=hex(7):00,00");
    EXPECT_FALSE(doc.Damaged()) << doc.FirstDamagedLine();
    ExpectSame(doc.Find(kKey, "a"), Make(REG_DWORD, {15, 0, 0, 0}));
    ExpectSame(doc.Find(kKey, "b"), Make(REG_DWORD, {10, 0, 0, 0}));
    ExpectSame(doc.Find(kKey, "c"), Make(REG_BINARY, {1, 2, 3, 4}));
    // A backslash before anything but a backslash or a quote stands for itself.
    ExpectSame(doc.Find(kKey, "d"), Sz(u"\\My Documents"));
    ExpectSame(doc.Find(kKey, ""), Make(REG_MULTI_SZ, {0, 0}));
}

TEST(HiveDocument, WhatCannotBeReadIsAbsentAndTheRestIsKept) {
    const auto doc = HiveDocument::Parse(
        "REGEDIT4\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane]\n"
        "\"Good1\"=dword:1\n"
        "\"TooLong\"=dword:123456789\n"
        "\"NoDigits\"=dword:\n"
        "\"BadHex\"=hex:1g\n"
        "\"Unterminated\"=\"abc\n"
        "\"Unknown\"=qword:1\n"
        "garbage line\n"
        "\"Good2\"=\"kept\"\n"
        "[broken section\n"
        "\"Orphan\"=dword:1\n"
        "[HKEY_LOCAL_MACHINE\\\\Double]\n"
        "\"Orphan2\"=dword:1\n");
    EXPECT_TRUE(doc.Damaged());
    EXPECT_EQ(doc.FirstDamagedLine(), 4u);
    ExpectSame(doc.Find(kKey, "Good1"), Make(REG_DWORD, {1, 0, 0, 0}));
    ExpectSame(doc.Find(kKey, "Good2"), Sz(u"kept"));
    for (const char* name :
         {"TooLong", "NoDigits", "BadHex", "Unterminated", "Unknown", "Orphan", "Orphan2"}) {
        EXPECT_EQ(doc.Find(kKey, name), nullptr) << name;
    }
    ASSERT_EQ(doc.Keys().size(), 1u);
    EXPECT_EQ(doc.Keys()[0].values.size(), 2u);
}

TEST(HiveDocument, AFileWithoutItsHeaderOrInBinaryIsDamaged) {
    const auto noHeader = HiveDocument::Parse("[HKEY_CURRENT_USER\\A]\n\"x\"=dword:1\n");
    EXPECT_TRUE(noHeader.Damaged());
    EXPECT_NE(noHeader.Find("HKEY_CURRENT_USER\\A", "x"), nullptr);

    std::string binary = "REGEDIT4\n[K]\n";
    for (int i = 0; i < 256; ++i) {
        binary += static_cast<char>((i * 37) & 0xFF);
    }
    const auto garbage = HiveDocument::Parse(binary);
    EXPECT_TRUE(garbage.Damaged());

    // Invalid UTF-8 in a text value cannot be kept as a text.
    const auto badText = HiveDocument::Parse("REGEDIT4\n[K]\n\"x\"=\"\xC3\x28\"\n");
    EXPECT_TRUE(badText.Damaged());
    EXPECT_EQ(badText.Find("K", "x"), nullptr);

    EXPECT_FALSE(HiveDocument::Parse("").Damaged());
}

TEST(HiveDocument, RefusesNamesThatCouldNotBeWrittenBack) {
    EXPECT_TRUE(HiveDocument::IsValidKeyPath(kKey));
    for (const char* bad : {"", "\\A", "A\\", "A\\\\B", " A", "A\nB", "A\x01"}) {
        EXPECT_FALSE(HiveDocument::IsValidKeyPath(bad)) << bad;
    }
    EXPECT_TRUE(HiveDocument::IsValidValueName(""));
    EXPECT_TRUE(HiveDocument::IsValidValueName("Say \"hi\" \\ there"));
    EXPECT_FALSE(HiveDocument::IsValidValueName("two\nlines"));
    EXPECT_FALSE(HiveDocument::IsValidValueName("\xFF"));
}

}  // namespace
}  // namespace torvane::test
