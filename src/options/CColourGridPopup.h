// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QFont>
#include <QString>
#include <QWidget>

#include "options/logic/ColourGridModel.h"
#include "platform/WinTypes.h"

namespace torvane {

struct SystemColours;

// The drop-down palette of a colour picker: 40 colours in 8 columns, an "Automatic" box above
// and a "Cancel" box below. While open it holds the mouse and keyboard; the stylus and the
// arrow keys move a highlight, and every move, the acceptance and the cancellation are
// reported through the signals. The object is reused; it is shown only during a choice.
class CColourGridPopup : public QWidget {
    Q_OBJECT
public:
    // The owner is the picker that opens the palette; the palette is its drop-down window.
    explicit CColourGridPopup(QWidget* owner = nullptr);
    ~CColourGridPopup() override;

    // Opens the palette with its top-left corner at the screen point, starting from the
    // colour. A caption that is not given keeps its last value; an empty caption has no box.
    bool Open(const QPoint& topLeft, COLORREF colour,
              const std::optional<QString>& automaticCaption = std::nullopt,
              const std::optional<QString>& cancelCaption = std::nullopt);

    // Whether a choice is under way (the palette is showing).
    bool HasWindow() const { return m_bOpen; }
    // Takes the palette away without a notification (the owner ends the choice itself).
    void DestroyWindow();

    // Client rectangle of a cell or of the Automatic (-3) or Cancel (-2) box.
    QRect BoxRect(int box) const;
    const ColourGridModel& Model() const { return m_model; }
    const QString& AutomaticCaption() const { return m_strAutomaticCaption; }
    const QString& CancelCaption() const { return m_strCancelCaption; }

signals:
    // The highlight moved to a box standing for this colour.
    void pickChange(COLORREF colour);
    // The choice ended with this colour.
    void pickAccept(COLORREF colour);
    // The choice was cancelled; the colour is the one the palette opened with.
    void pickCancel(COLORREF colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Carry(const GridOutcome& outcome);
    void DrawCell(QPainter& painter, int cell, const SystemColours& colours) const;
    void DrawAutomaticBox(QPainter& painter, const SystemColours& colours) const;
    void DrawCancelBox(QPainter& painter, const SystemColours& colours) const;
    void DrawCaptionBox(QPainter& painter, int box, QRect rect, const QString& caption,
                        const SystemColours& colours) const;

    ColourGridModel m_model;
    QString m_strAutomaticCaption;  // caption of the Automatic box
    QString m_strCancelCaption;     // caption of the Cancel box
    QFont m_font;
    bool m_bOpen = false;
};

}  // namespace torvane
