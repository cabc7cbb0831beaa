// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the battery log file reader. Besides the sanitizers' own checks it holds the
// reader to its promises: a refused file changes no log, an accepted one is written back
// byte for byte as the start of the input, and the File command path shows exactly one
// message for a refused file and none for an accepted one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "logfile/BatteryLogFile.h"
#include "logfile/CsvExport.h"
#include "logfile/LogFileCommands.h"

namespace {

using torvane::BatteryLog;

class OneFileStore : public torvane::IFileStore {
public:
    explicit OneFileStore(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes.begin(), bytes.end()) {}
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
    std::vector<std::uint8_t> m_bytes;
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

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool SameLog(const BatteryLog& a, const BatteryLog& b) {
    return a.count == b.count && a.minutes == b.minutes && a.percent == b.percent;
}

BatteryLog Marked(std::int32_t marker) {
    BatteryLog log;
    log.count = 3;
    log.minutes.fill(marker);
    log.percent.fill(~marker);
    return log;
}

void CheckDecoder(std::span<const std::uint8_t> bytes) {
    BatteryLog target = Marked(static_cast<std::int32_t>(bytes.size()));
    const BatteryLog before = target;
    if (torvane::DecodeLogFile(bytes, target) != torvane::LogFileCheck::Ok) {
        Require(SameLog(target, before));
        return;
    }
    Require(target.count >= 0 && target.count <= BatteryLog::kCapacity);
    const std::vector<std::uint8_t> again = torvane::EncodeLogFile(target);
    Require(again.size() <= bytes.size());
    Require(std::equal(again.begin(), again.end(), bytes.begin()));
    for (std::size_t i = static_cast<std::size_t>(target.count); i < 1000; ++i) {
        Require(target.minutes[i] == before.minutes[i] && target.percent[i] == before.percent[i]);
    }
    Require(torvane::EncodeCsv(target).size() <= 28u * static_cast<std::size_t>(target.count));
}

void CheckCommand(std::span<const std::uint8_t> bytes) {
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
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CheckDecoder(bytes);
    CheckCommand(bytes);
    return 0;
}
