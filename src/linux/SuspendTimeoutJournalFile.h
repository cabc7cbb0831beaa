// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/ISuspendTimeoutJournal.h"

namespace torvane {

// The kept suspend timeout as a small file holding the number in decimal. While a run has the
// timeout switched off it holds an advisory lock on the file, which the kernel drops when the
// run ends in any way; so a second copy of the program started meanwhile leaves the file alone,
// and the next start after a crash finds it unlocked and puts the timeout back.
class SuspendTimeoutJournalFile : public ISuspendTimeoutJournal {
public:
    using Warn = std::function<void(const std::string& message)>;

    // `warn`, when given, hears once that a link stands where the file should be; the link is
    // never followed, and nothing is kept while it stands there.
    explicit SuspendTimeoutJournalFile(std::string path, Warn warn = {});
    ~SuspendTimeoutJournalFile() override;

    SuspendTimeoutJournalFile(const SuspendTimeoutJournalFile&) = delete;
    SuspendTimeoutJournalFile& operator=(const SuspendTimeoutJournalFile&) = delete;

    bool Record(DWORD savedTimeout) override;
    std::optional<DWORD> Pending() override;
    void Clear() override;

    const std::string& Path() const { return m_path; }

    // The file in `stateDir` for the registry hive at `hivePath`. Each hive has its own, so a
    // timeout is only ever put back into the hive it was taken from.
    static std::string PathFor(const std::string& stateDir, const std::string& hivePath);

private:
    void Forget();
    // True, said once, when a symbolic link stands at the file's path.
    bool LinkInTheWay();

    std::string m_path;
    Warn m_warn;
    bool m_bToldLink = false;
    int m_fd = -1;  // open and locked while this run owns the file
};

}  // namespace torvane
