// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "options/logic/COptionsPage.h"

namespace torvane {

// The View page: grids, reference curves, estimation lines and the time scale. Its boxes are
// stored inverted: 0 for a checked box, 1 for an unchecked one, so an absent value shows
// checked. The time scale must be 1 to 50 hours.
class CDlgViewOptions : public COptionsPage {
public:
    CDlgViewOptions(const CSettingsStore& store, IPageControls& controls);

private:
    // The grid lines.
    bool m_bShowHGrid = false;
    bool m_bShowVGrid = false;
    bool m_bShowDetailedGrid = false;
    // The reference curves of slots 1 to 3.
    bool m_bShowRef1 = false;
    bool m_bShowRef2 = false;
    bool m_bShowRef3 = false;
    // The estimation lines and the hours across the graph.
    bool m_bDrawEstimations = false;
    int m_nScaleHours = 0;
};

}  // namespace torvane
