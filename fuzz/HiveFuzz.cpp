// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary text to the registry hive reader. Whatever it reads must write back as a
// sound hive that reads again to the same keys, values, types and bytes, so a damaged file can
// never turn into one that loses or changes what was read from it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/HiveDocument.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using torvane::HiveDocument;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const HiveDocument doc = HiveDocument::Parse(text);
    const std::string written = doc.Format();
    const HiveDocument again = HiveDocument::Parse(written);
    Check(!again.Damaged());
    Check(again.Format() == written);
    Check(again.Keys().size() == doc.Keys().size());
    for (const auto& key : doc.Keys()) {
        Check(HiveDocument::IsValidKeyPath(key.path));
        for (const auto& value : key.values) {
            const torvane::RegValue* back = again.Find(key.path, value.name);
            Check(back != nullptr);
            Check(back->type == value.value.type && back->data == value.value.data);
        }
    }
    return 0;
}
