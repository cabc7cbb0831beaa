// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/IRegistry.h"
#include "platform/ISuspendInhibitor.h"
#include "platform/ISuspendTimeoutJournal.h"
#include "platform/WinTypes.h"

namespace torvane {

// Switches the battery suspend timeout off for the length of a session and puts the value it
// read back afterwards. The machine is kept awake by an inhibitor for as long as the timeout is
// off. A restore follows the override that was actually made: it writes only a value that was
// read, and it also runs when the owner goes away with the timeout still off.
//
// A value still to be put back is never lost to a 0 that this program wrote: when a restore
// cannot write it (nor the start-up recovery), it stays the value to restore, kept in the
// journal, and the next override reads a 0 as ours rather than as the value to keep.
class SuspendTimeoutOverride {
public:
    // The journal may be null: then a timeout left off by a crash stays off.
    SuspendTimeoutOverride(IRegistry& registry, ISuspendInhibitor& inhibitor,
                           ISuspendTimeoutJournal* journal);
    ~SuspendTimeoutOverride();

    SuspendTimeoutOverride(const SuspendTimeoutOverride&) = delete;
    SuspendTimeoutOverride& operator=(const SuspendTimeoutOverride&) = delete;

    // Reads the timeout into `saved` (unchanged when it cannot be read) and writes 0. Does
    // nothing while an override is already in force, so the first saved value is kept. While an
    // earlier value is still to be put back, a 0 read is our own and that value is saved
    // instead; any other value read means someone has set the timeout since, and it is saved.
    void Override(DWORD& saved);
    // Writes the value the override read back, when it read one, and lets the machine sleep
    // again. Does nothing when no override is in force.
    void Restore();
    // Puts back a timeout an earlier run left switched off. Called once at start-up. Only a
    // timeout still at the 0 that run wrote is put back; one set (or removed) since stays as
    // it is, and the kept value is forgotten.
    void RecoverLeftOverride();

    bool InForce() const { return m_bInForce; }

private:
    IRegistry& m_registry;
    ISuspendInhibitor& m_inhibitor;
    ISuspendTimeoutJournal* m_journal;
    bool m_bInForce = false;
    bool m_bHaveSaved = false;
    bool m_bRestorePending = false;  // m_dwSaved could not be written back yet
    DWORD m_dwSaved = 0;             // what the override read
};

}  // namespace torvane
