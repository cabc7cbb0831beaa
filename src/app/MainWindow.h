// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "platform/IWindowHost.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace torvane {

class CDlgMain;
class ClientAreaView;

// The main window: the 240 x 320 client area with the banner, the Go/Stop button and the
// picture, and the menu bar below it. It forwards the user's actions to the window's owner
// and carries out the owner's requests (IWindowHost). It takes any size the desktop gives it
// (maximised, tiled), no smaller than its design: the design stays at the top left and the
// rest is the window's background.
class MainWindow : public QWidget, public IWindowHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Connects the window to its owner, which must outlive it.
    void Attach(CDlgMain& dlg);
    // Puts the menu bar under the client area; the window takes it over.
    void SetMenuBar(QWidget* menuBar);
    // Places the window in the middle of the screen it is on.
    void CentreOnScreen();

    QPushButton* GoButton() const { return m_go; }
    ClientAreaView* ClientArea() const { return m_client; }

    // IWindowHost
    void SetGoCaption(const std::string& caption) override;
    void EnableGo(bool enabled) override;
    void FullRedraw() override;
    void RedrawNow() override;
    void Minimize() override;
    void HideToNotifyIcon() override;
    bool ShowAndActivate(const std::string& activationToken) override;
    void PostQuit(int exitCode) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the window anew on Wayland, where nothing else brings a minimised window back.
    void ShowAnew();

    CDlgMain* m_dlg = nullptr;
    // Maximised or full screen, for a surface shown anew once it has its normal size.
    Qt::WindowStates m_statesOnceExposed;
    QVBoxLayout* m_layout;  // the design's: client area and menu bar, at their own size
    ClientAreaView* m_client;
    QLabel* m_banner;
    QPushButton* m_go;
};

}  // namespace torvane
