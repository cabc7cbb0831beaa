// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "platform/WinTypes.h"

namespace torvane {

// Remembers, outside the program, the battery suspend timeout a session has switched off, so
// that a run which ends without putting it back (a crash, a kill) can be put right at the next
// start.
class ISuspendTimeoutJournal {
public:
    virtual ~ISuspendTimeoutJournal() = default;
    // Keeps the timeout that is about to be switched off; false when it could not be kept.
    virtual bool Record(DWORD savedTimeout) = 0;
    // The timeout an earlier run left switched off, when there is one and that run has ended.
    virtual std::optional<DWORD> Pending() = 0;
    // Forgets the kept timeout once it is back in place.
    virtual void Clear() = 0;
};

}  // namespace torvane
