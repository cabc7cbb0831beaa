// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/GroupFrame.h"

#include <QPainter>

#include "options/SystemColours.h"

namespace torvane {

namespace {

constexpr int kCaptionLeft = 6;
constexpr int kCaptionPadding = 2;

}  // namespace

GroupFrame::GroupFrame(const QString& caption, QWidget* parent)
    : QWidget(parent), m_strCaption(caption) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const SystemColours colours =
        SystemColours::FromPalette(palette(), isEnabled() ? QPalette::Active : QPalette::Disabled);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const int captionWidth =
        m_strCaption.isEmpty() ? 0 : metrics.horizontalAdvance(m_strCaption) + 2 * kCaptionPadding;

    // The etched line: a shaded line with a lit one just below and right of it.
    const QRect frame(0, top, width() - 1, height() - top - 1);
    for (const auto& [offset, colour] :
         {std::pair{1, colours.highlight3d}, std::pair{0, colours.shadow3d}}) {
        const QRect ring = frame.translated(offset, offset);
        painter.setPen(colour);
        painter.drawLine(ring.left(), ring.top(), ring.left(), ring.bottom());
        painter.drawLine(ring.left(), ring.bottom(), ring.right(), ring.bottom());
        painter.drawLine(ring.right(), ring.top(), ring.right(), ring.bottom());
        painter.drawLine(ring.left(), ring.top(), kCaptionLeft, ring.top());
        painter.drawLine(kCaptionLeft + captionWidth, ring.top(), ring.right(), ring.top());
    }
    if (!m_strCaption.isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        painter.drawText(QRect(kCaptionLeft + kCaptionPadding, 0, captionWidth, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_strCaption);
    }
}

}  // namespace torvane
