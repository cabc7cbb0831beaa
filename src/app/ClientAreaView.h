// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "qt/GraphPicture.h"

namespace torvane {

class CDlgMain;

// The 240 x 320 client area of the main window. It shows the window's picture, which its
// owner draws: on every paint (the paint handler, on an erased picture) or at once over what
// is shown (the immediate redraw, after which the paint only copies the picture). The picture
// has the screen's resolution (on a screen at 200 %, two pixels each way for each of the
// window's), so the graph stays sharp. The banner and the Go/Stop button are its child
// controls.
class ClientAreaView : public QWidget {
public:
    explicit ClientAreaView(QWidget* parent = nullptr);

    void Attach(CDlgMain& dlg) { m_dlg = &dlg; }

    // Draws the picture at once over what is shown and puts it on the screen.
    void DrawOverNow();

    const QImage& Picture() const { return m_picture.Image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Gives the picture the scale of the screen the window is on now; a new scale starts a
    // blank picture, and is told.
    bool FollowScreen();

    CDlgMain* m_dlg = nullptr;
    GraphPicture m_picture;
    bool m_bCopyOnly = false;  // the next paint shows the picture as it is
};

}  // namespace torvane
