#include "platform/IWindowHost.h"
#include "session/CDlgMain.h"

namespace torvane {

GraphInput CDlgMain::MakeGraphInput() const {
    GraphInput in;
    in.left = m_nGraphLeft;
    in.top = m_nGraphTop;
    in.right = m_nGraphRight;
    in.bottom = m_nGraphBottom;
    in.scaleHours = m_nScaleHours;
    in.showHGrid = m_bShowHGrid;
    in.showVGrid = m_bShowVGrid;
    in.showDetailedGrid = m_bShowDetailedGrid;
    in.showEstimations = m_bShowEstimations;
    in.showRef = {m_bShowRef[0], m_bShowRef[1], m_bShowRef[2]};
    in.gridColour = m_crGrid1;
    in.gridDetailColour = m_crGrid2;
    in.gridScaleColour = m_crGrid3;
    in.refColour = {m_crRef1, m_crRef2, m_crRef3};
    in.sessionColour = m_crSess;
    in.statusColour = m_crStatus;
    in.log = m_log;
    in.ref = m_ref;
    in.status = m_strStatus;
    in.minEstimateSamples = m_nMinEstimateSamples;
    return in;
}

bool CDlgMain::OnPaintMinimizeCheck() {
    if (!m_bMinimizeOnStart || !m_bMinimizePending) {
        return false;
    }
    // Twice, as the Minimize command does.
    m_services.window.Minimize();
    m_services.window.Minimize();
    m_bMinimizePending = 0;
    return true;
}

void CDlgMain::OnPaint(IGraphPicture& picture) {
    OnPaintMinimizeCheck();
    picture.PaintErased(MakeGraphInput());
}

void CDlgMain::RedrawGraphNow(IGraphPicture& picture) const {
    picture.DrawOver(MakeGraphInput());
}

}  // namespace torvane
