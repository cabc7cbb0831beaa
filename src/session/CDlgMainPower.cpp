#include "session/CDlgMain.h"

namespace torvane {

void CDlgMain::OverrideSuspendTimeout(BOOL bOverride) {
    if (bOverride != 0) {
        if (!m_bIgnorePowerOff) {
            return;
        }
        m_suspendOverride.Override(m_dwSavedSuspendTimeout);
        return;
    }
    // The restore follows the override that was made, whatever the option says by now.
    m_suspendOverride.Restore();
}

void CDlgMain::RestoreLeftSuspendTimeout() {
    m_suspendOverride.RecoverLeftOverride();
}

}  // namespace torvane
