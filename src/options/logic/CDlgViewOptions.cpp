#include "options/logic/CDlgViewOptions.h"

#include "options/logic/OptionsControlIds.h"

namespace torvane {

namespace {

BOOL Inverted(DWORD stored) {
    return stored == 0 ? 1 : 0;
}

DWORD StoreInverted(BOOL checked) {
    return checked != 0 ? 0 : 1;
}

}  // namespace

void CDlgViewOptions::ReadSettings() {
    // As stored: an absent scale shows 0, which Apply then refuses.
    m_nScaleHours = static_cast<int>(m_store.ReadDword("ScaleHours"));
    m_bDrawEstimations = Inverted(m_store.ReadDword("DrawEstimations"));
    m_bShowRef1 = Inverted(m_store.ReadDword("ShowRef1"));
    m_bShowRef2 = Inverted(m_store.ReadDword("ShowRef2"));
    m_bShowRef3 = Inverted(m_store.ReadDword("ShowRef3"));
    m_bShowHGrid = Inverted(m_store.ReadDword("ShowHGrid"));
    m_bShowVGrid = Inverted(m_store.ReadDword("ShowVGrid"));
    m_bShowDetailedGrid = Inverted(m_store.ReadDword("ShowDetailedGrid"));
}

void CDlgViewOptions::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_SHOW_DETAILED_GRID, m_bShowDetailedGrid);
    dx.Check(IDC_SHOW_HGRID, m_bShowHGrid);
    dx.Check(IDC_DRAW_ESTIMATIONS, m_bDrawEstimations);
    dx.Check(IDC_SHOW_REF1, m_bShowRef1);
    dx.Check(IDC_SHOW_REF2, m_bShowRef2);
    dx.Check(IDC_SHOW_REF3, m_bShowRef3);
    dx.Check(IDC_SHOW_VGRID, m_bShowVGrid);
    dx.Int(IDC_SCALE_HOURS, m_nScaleHours);
    dx.MinMaxInt(m_nScaleHours, kScaleHoursLowest, kScaleHoursHighest);
}

bool CDlgViewOptions::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    m_store.WriteDword("ScaleHours", static_cast<DWORD>(m_nScaleHours));
    m_store.WriteDword("DrawEstimations", StoreInverted(m_bDrawEstimations));
    m_store.WriteDword("ShowRef1", StoreInverted(m_bShowRef1));
    m_store.WriteDword("ShowRef2", StoreInverted(m_bShowRef2));
    m_store.WriteDword("ShowRef3", StoreInverted(m_bShowRef3));
    m_store.WriteDword("ShowHGrid", StoreInverted(m_bShowHGrid));
    m_store.WriteDword("ShowVGrid", StoreInverted(m_bShowVGrid));
    m_store.WriteDword("ShowDetailedGrid", StoreInverted(m_bShowDetailedGrid));
    return true;
}

}  // namespace torvane
