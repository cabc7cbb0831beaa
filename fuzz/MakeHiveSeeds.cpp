// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the seed corpus of the hive reader into the folder given: hives made by the writer
// with every kind of value, and hand-written and damaged variants.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "SeedCorpus.h"
#include "platform/HiveDocument.h"
#include "platform/RegistryEncoding.h"

namespace {

using torvane::RegistryEncoding;
using torvane::RegValue;

RegValue Value(std::uint32_t type, std::vector<std::uint8_t> data) {
    RegValue v;
    v.type = type;
    v.data = std::move(data);
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    const auto folder = CorpusFolder(argc, argv);
    if (!folder) {
        return 2;
    }
    const std::filesystem::path& dir = *folder;

    torvane::HiveDocument doc;
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Quillmark\\Torvane";
    doc.Set(key, "InitData", RegistryEncoding::Dword(3));
    doc.Set(key, "SavePath", RegistryEncoding::String(u"\\M\u00e9"));
    doc.Set(key, "Quote \"\\", RegistryEncoding::String(u"\"\\"));
    doc.Set(key, "Odd", Value(torvane::REG_SZ, {'a', 0, 'b'}));
    doc.Set(key, "Short", Value(torvane::REG_DWORD, {1, 2}));
    doc.Set(key, "Blob", Value(torvane::REG_BINARY, {0, 0xff, 0x10}));
    doc.Set(key, "", Value(torvane::REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0}));
    doc.Set("HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Power\\Timeouts",
            "BattSuspendTimeout", RegistryEncoding::Dword(0xb4));
    const std::string written = doc.Format();

    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"written.reg", written},
        {"crlf-bom.reg",
         "\xEF\xBB\xBFREGEDIT4\r\n; comment\r\n[A\\B]\r\n\"x\"=hex:01,\\\r\n  02\r\n"},
        {"damaged-lines.reg",
         "REGEDIT4\n[A]\n\"ok\"=dword:1\n\"bad\"=dword:123456789\n\"s\"=\"open\n[broken\n\"o\"="
         "dword:1\n"},
        {"no-header.reg", "[A]\n@=\"x\"\n"},
        {"truncated.reg", written.substr(0, written.size() / 2)},
        {"empty.reg", ""},
    };
    for (const auto& [name, text] : seeds) {
        if (!WriteSeed(dir, name, text)) {
            return 1;
        }
    }
    return 0;
}
