// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/UpDownControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "options/EdgePainting.h"
#include "options/SystemColours.h"
#include "options/logic/CDataExchange.h"
#include "options/logic/UpDownLogic.h"

namespace torvane {

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 80;

// A small solid triangle pointing up or down, centred in the rectangle.
void DrawArrow(QPainter& painter, const QRect& rect, bool up, const QColor& colour) {
    const int rows = std::max(2, std::min(rect.width() / 2, rect.height() - 2) - 1);
    const int widest = 2 * rows - 1;
    const int x0 = rect.left() + (rect.width() - widest) / 2;
    const int y0 = rect.top() + (rect.height() - rows) / 2;
    for (int i = 0; i < rows; ++i) {
        const int row = up ? rows - 1 - i : i;
        painter.fillRect(QRect(x0 + i, y0 + row, widest - 2 * i, 1), colour);
    }
}

}  // namespace

UpDownControl::UpDownControl(QLineEdit* buddy, int lowest, int highest, bool thousands,
                             QWidget* parent)
    : QWidget(parent),
      m_pBuddy(buddy),
      m_nLowest(lowest),
      m_nHighest(highest),
      m_bThousands(thousands) {
    setFocusPolicy(Qt::NoFocus);
    setEnabled(buddy->isEnabled());
    buddy->installEventFilter(this);
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, &UpDownControl::Repeat);
}

void UpDownControl::Step(int delta) {
    QString text = m_pBuddy->text();
    if (m_bThousands) {
        text.remove(QLatin1Char(','));
    }
    const auto current = ParseDialogInt(text.toStdString());
    const int next = UpDownStep(current, m_nLowest, m_nHighest, delta);
    m_pBuddy->setText(QString::fromStdString(FormatUpDownValue(next, m_bThousands)));
}

QRect UpDownControl::UpRect() const {
    return QRect(0, 0, width(), height() / 2);
}

QRect UpDownControl::DownRect() const {
    return QRect(0, height() / 2, width(), height() - height() / 2);
}

void UpDownControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const SystemColours colours =
        SystemColours::FromPalette(palette(), isEnabled() ? QPalette::Active : QPalette::Disabled);
    for (int delta : {+1, -1}) {
        const QRect rect = delta > 0 ? UpRect() : DownRect();
        painter.fillRect(rect, colours.buttonFace);
        const bool pushed = m_nPressed == delta;
        const QRect inner = DrawEdge(painter, rect, pushed ? kEdgeSunken : kEdgeRaised, colours);
        const QRect glyph = pushed ? inner.translated(1, 1) : inner;
        if (isEnabled()) {
            DrawArrow(painter, glyph, delta > 0, colours.buttonText);
        } else {
            // Embossed, as disabled controls draw their marks.
            DrawArrow(painter, glyph.translated(1, 1), delta > 0, colours.highlight3d);
            DrawArrow(painter, glyph, delta > 0, colours.shadow3d);
        }
    }
}

void UpDownControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_nPressed = UpRect().contains(event->position().toPoint()) ? +1 : -1;
    Step(m_nPressed);
    m_repeat.start(kFirstRepeatMs);
    update();
}

void UpDownControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_repeat.stop();
    m_nPressed = 0;
    update();
}

void UpDownControl::Repeat() {
    m_repeat.setInterval(kRepeatMs);
    if (m_nPressed != 0 && isEnabled()) {
        Step(m_nPressed);
    } else {
        m_repeat.stop();
    }
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pBuddy) {
        if (event->type() == QEvent::EnabledChange) {
            setEnabled(m_pBuddy->isEnabled());
            if (!isEnabled()) {
                m_repeat.stop();
                m_nPressed = 0;
            }
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                Step(key->key() == Qt::Key_Up ? +1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace torvane
