#pragma once

#include "options/logic/COptionsPage.h"

namespace torvane {

// The View page: grids, reference curves, estimation lines and the time scale. Its boxes are
// stored inverted: 0 for a checked box, 1 for an unchecked one, so an absent value shows
// checked. The time scale must be 1 to 50 hours.
class CDlgViewOptions : public COptionsPage {
public:
    CDlgViewOptions(const CSettingsStore& store, IPageControls& controls)
        : COptionsPage(store, controls) {}

    bool OnApply() override;

protected:
    void ReadSettings() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    BOOL m_bShowDetailedGrid = 0;
    BOOL m_bShowHGrid = 0;
    BOOL m_bDrawEstimations = 0;
    BOOL m_bShowRef1 = 0;
    BOOL m_bShowRef2 = 0;
    BOOL m_bShowRef3 = 0;
    BOOL m_bShowVGrid = 0;
    int m_nScaleHours = 0;
};

}  // namespace torvane
