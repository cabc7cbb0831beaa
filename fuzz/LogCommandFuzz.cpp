// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for loading a battery log file through the File command path, from a file store
// in memory: exactly one message for a refused file and none for an accepted one, and only the
// log the load was meant for may change.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "LogChecks.h"
#include "logfile/LogFileCommands.h"

namespace {

using torvane::BatteryLog;

class OneFileStore : public torvane::IFileStore {
public:
    explicit OneFileStore(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    torvane::FileReadResult ReadFile(const std::string&, std::size_t maxBytes,
                                     std::vector<std::uint8_t>& out) override {
        out.assign(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(
                                                          std::min(maxBytes, m_bytes.size())));
        return torvane::FileReadResult::Ok;
    }
    torvane::FileWriteResult WriteFile(const std::string&,
                                       const std::vector<std::uint8_t>&) override {
        std::abort();  // reading never writes
    }
    bool RemoveFile(const std::string&) override { std::abort(); }

private:
    std::span<const std::uint8_t> m_bytes;
};

class CountingMessageBox : public torvane::IMessageBox {
public:
    torvane::MessageAnswer Show(const std::string&, torvane::MessageButtons) override {
        ++shown;
        return torvane::MessageAnswer::Ok;
    }
    int shown = 0;
};

class NoFileDialog : public torvane::IFileDialog {
public:
    std::optional<std::string> Run(const torvane::FileDialogOptions&) override { return {}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    OneFileStore files(bytes);
    CountingMessageBox messages;
    NoFileDialog dialog;
    torvane::LogFileCommands commands(files, messages, dialog);

    BatteryLog live = Marked(1);
    std::array<BatteryLog, 3> refs{Marked(2), Marked(3), Marked(4)};
    std::int32_t loadTarget = bytes.empty() ? 0 : bytes[0] % 4;
    const BatteryLog liveBefore = live;
    const auto refsBefore = refs;
    const bool ok = commands.ReadLogFile("/fuzz.blf", {live, refs, loadTarget});
    Require(messages.shown == (ok ? 0 : 1));
    Require(SameLog(live, liveBefore) || (ok && loadTarget == 0));
    for (std::size_t i = 0; i < 3; ++i) {
        Require(SameLog(refs[i], refsBefore[i]) || (ok && loadTarget == static_cast<int>(i) + 1));
    }
    return 0;
}
