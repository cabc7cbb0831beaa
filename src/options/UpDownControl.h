// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>

class QLineEdit;

namespace torvane {

// A pair of arrows at the right edge of a number field (its buddy). Each step puts the next
// number into the field as text, wrapping around at the ends of the range; the arrow keys in
// the field step too, and holding an arrow down repeats. It never takes the focus, so the
// field keeps it, and it is enabled exactly when the field is.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    UpDownControl(QLineEdit* buddy, int lowest, int highest, bool thousands, QWidget* parent);

    // One step: +1 up, -1 down.
    void Step(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect UpRect() const;
    QRect DownRect() const;
    void Repeat();

    QLineEdit* m_pBuddy;
    int m_nLowest;
    int m_nHighest;
    bool m_bThousands;
    int m_nPressed = 0;  // the arrow held down: +1 up, -1 down, 0 none
    QTimer m_repeat;
};

}  // namespace torvane
