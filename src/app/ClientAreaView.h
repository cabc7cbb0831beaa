#pragma once

#include <QWidget>

namespace torvane {

class CDlgMain;

// The 240 x 320 client area of the main window. It paints the picture of the window's owner;
// the banner and the Go/Stop button are its child controls.
class ClientAreaView : public QWidget {
public:
    explicit ClientAreaView(QWidget* parent = nullptr);

    void Attach(const CDlgMain& dlg) { m_dlg = &dlg; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CDlgMain* m_dlg = nullptr;
};

}  // namespace torvane
