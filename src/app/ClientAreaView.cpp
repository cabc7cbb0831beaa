#include "app/ClientAreaView.h"

#include <QFont>
#include <QPainter>

#include "app/DialogUnits.h"
#include "session/CDlgMain.h"

namespace torvane {

namespace {

QColor FromColorRef(COLORREF colour) {
    // 0x00BBGGRR; the automatic colour's top byte is ignored, leaving black.
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace

ClientAreaView::ClientAreaView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(false);
}

void ClientAreaView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_dlg == nullptr) {
        return;
    }
    // The status line under the plot area: (2, bottom + 12) to (right - 40, bottom + 45),
    // word-wrapped in the 10-pixel label font.
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setWeight(QFont::Thin);
    painter.setFont(font);
    painter.setPen(FromColorRef(m_dlg->m_crStatus));
    const QRect status(QPoint(2, m_dlg->m_nGraphBottom + 12),
                       QPoint(m_dlg->m_nGraphRight - 40 - 1, m_dlg->m_nGraphBottom + 45 - 1));
    painter.setClipRect(status);
    painter.drawText(status, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromStdString(m_dlg->m_strStatus));
}

}  // namespace torvane
