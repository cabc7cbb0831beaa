// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the seed makers share: the corpus folder named on the command line, made when missing,
// and one file a seed, written whole.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The folder the one argument names, made when missing; nothing, with the usage on stderr,
// for any other command line.
inline std::optional<std::filesystem::path> CorpusFolder(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return std::nullopt;
    }
    std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir);
    return dir;
}

// Writes `text` as the seed `name`; false, said on stderr, when it cannot.
inline bool WriteSeed(const std::filesystem::path& dir, const std::string& name,
                      std::string_view text) {
    std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", (dir / name).c_str());
        return false;
    }
    return true;
}

inline bool WriteSeed(const std::filesystem::path& dir, const std::string& name,
                      const std::vector<std::uint8_t>& bytes) {
    return WriteSeed(dir, name,
                     std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
