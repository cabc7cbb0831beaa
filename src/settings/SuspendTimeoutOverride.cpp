// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SuspendTimeoutOverride.h"

#include "settings/SystemDword.h"

namespace torvane {

SuspendTimeoutOverride::SuspendTimeoutOverride(IRegistry& registry, ISuspendInhibitor& inhibitor,
                                               ISuspendTimeoutJournal* journal)
    : m_registry(registry), m_inhibitor(inhibitor), m_journal(journal) {}

SuspendTimeoutOverride::~SuspendTimeoutOverride() {
    // However the program ends, the machine gets its own timeout back.
    Restore();
}

void SuspendTimeoutOverride::Override(DWORD& saved) {
    if (m_bInForce) {
        return;  // a second read would save our own 0 and lose the real value
    }
    DWORD read = 0;
    const bool haveRead = ReadSystemDword(m_registry, kLocalMachineRoot, kPowerTimeoutsKey,
                                          kBattSuspendTimeout, read);
    // With a value still to be put back, a 0 is the one we left, not the system's own value.
    if (haveRead && !(m_bRestorePending && read == 0)) {
        m_dwSaved = read;
        m_bHaveSaved = true;
    } else {
        m_bHaveSaved = m_bRestorePending;
    }
    m_bRestorePending = false;
    if (m_bHaveSaved) {
        saved = m_dwSaved;
        // Kept before the value changes, so a crash from here on can still be put right.
        if (m_journal != nullptr) {
            m_journal->Record(m_dwSaved);
        }
    }
    WriteSystemDword(m_registry, kLocalMachineRoot, kPowerTimeoutsKey, kBattSuspendTimeout, 0);
    m_inhibitor.Acquire();
    m_bInForce = true;
}

void SuspendTimeoutOverride::Restore() {
    if (!m_bInForce) {
        return;
    }
    m_bInForce = false;
    if (m_bHaveSaved) {
        m_bHaveSaved = false;
        if (WriteSystemDword(m_registry, kLocalMachineRoot, kPowerTimeoutsKey, kBattSuspendTimeout,
                             m_dwSaved)) {
            if (m_journal != nullptr) {
                m_journal->Clear();
            }
        } else {
            // Still kept in the journal, for the next override or the next start.
            m_bRestorePending = true;
        }
    }
    m_inhibitor.Release();
}

void SuspendTimeoutOverride::RecoverLeftOverride() {
    if (m_journal == nullptr) {
        return;
    }
    const std::optional<DWORD> pending = m_journal->Pending();
    if (!pending) {
        return;
    }
    DWORD stored = 0;
    if (!ReadSystemDword(m_registry, kLocalMachineRoot, kPowerTimeoutsKey, kBattSuspendTimeout,
                         stored)) {
        if (m_registry.CreateKey(std::string(kLocalMachineRoot) + "\\" + kPowerTimeoutsKey)) {
            m_journal->Clear();  // removed since: nothing of ours is left to undo
        } else {
            // The registry cannot be used now; the value is kept for a later try.
            m_dwSaved = *pending;
            m_bRestorePending = true;
        }
        return;
    }
    if (stored != 0) {
        m_journal->Clear();  // set since by someone else: theirs stays
        return;
    }
    if (WriteSystemDword(m_registry, kLocalMachineRoot, kPowerTimeoutsKey, kBattSuspendTimeout,
                         *pending)) {
        m_journal->Clear();
    } else {
        m_dwSaved = *pending;
        m_bRestorePending = true;
    }
}

}  // namespace torvane
