#include "app/ClientAreaView.h"

#include <QPainter>

#include "app/DialogUnits.h"
#include "session/CDlgMain.h"

namespace torvane {

ClientAreaView::ClientAreaView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientAreaView::DrawOverNow() {
    if (m_dlg == nullptr) {
        return;
    }
    m_dlg->RedrawGraphNow(m_picture);
    m_bCopyOnly = true;
    repaint();
    m_bCopyOnly = false;
}

void ClientAreaView::paintEvent(QPaintEvent*) {
    if (m_dlg != nullptr && !m_bCopyOnly) {
        m_dlg->OnPaint(m_picture);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture.Image());
}

}  // namespace torvane
