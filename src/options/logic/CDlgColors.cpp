#include "options/logic/CDlgColors.h"

namespace torvane {

void CDlgColors::ReadSettings() {
    for (std::size_t i = 0; i < kColourSettings.size(); ++i) {
        m_crColours[i] = m_store.ReadDword(kColourSettings[i].valueName);
    }
}

void CDlgColors::DoDataExchange(CDataExchange& dx) {
    for (std::size_t i = 0; i < kColourSettings.size(); ++i) {
        if (dx.SaveAndValidate()) {
            m_crColours[i] = Controls().GetColour(kColourSettings[i].pickerId);
        } else {
            Controls().SetColour(kColourSettings[i].pickerId, m_crColours[i]);
        }
    }
}

bool CDlgColors::OnApply() {
    UpdateData(true);
    for (std::size_t i = 0; i < kColourSettings.size(); ++i) {
        m_store.WriteDword(kColourSettings[i].valueName, m_crColours[i]);
    }
    return true;
}

}  // namespace torvane
