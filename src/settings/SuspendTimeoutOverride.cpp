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
    DWORD read = saved;
    m_bHaveSaved = ReadSystemDword(m_registry, kLocalMachineRoot, kPowerTimeoutsKey,
                                   kBattSuspendTimeout, read);
    if (m_bHaveSaved) {
        saved = read;
        m_dwSaved = read;
        // Kept before the value changes, so a crash from here on can still be put right.
        if (m_journal != nullptr) {
            m_journal->Record(read);
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
        const bool written = WriteSystemDword(m_registry, kLocalMachineRoot, kPowerTimeoutsKey,
                                              kBattSuspendTimeout, m_dwSaved);
        // After a failed write the next start tries again.
        if (written && m_journal != nullptr) {
            m_journal->Clear();
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
    if (WriteSystemDword(m_registry, kLocalMachineRoot, kPowerTimeoutsKey, kBattSuspendTimeout,
                         *pending)) {
        m_journal->Clear();
    }
}

}  // namespace torvane
