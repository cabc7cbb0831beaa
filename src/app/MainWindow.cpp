// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "app/ClientAreaView.h"
#include "qt/DialogUnits.h"
#include "qt/ProgramIcon.h"
#include "qt/ProgramResources.h"
#include "qt/WindowActivation.h"
#include "session/CDlgMain.h"

namespace torvane {

namespace {

// Control positions of the main window's template. The Go/Stop button, at (113, 138) and
// 23 x 13 units, lands at pixels (197, 241), 40 x 22: right of the status text, which ends at
// x = 195, and inside the 240-pixel width, level with the text's first line.
constexpr QRect kBannerRect = DialogRect(1, 1, 167, 20);
constexpr QRect kGoButtonRect = DialogRect(113, 138, 23, 13);

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    UseProgramResources();
    setWindowTitle(QStringLiteral("Torvane"));
    setWindowIcon(ProgramIcon());

    // The design keeps its size; the window only has to hold it. A window of fixed size would
    // refuse what a Wayland compositor configures (maximised, tiled), which ends the
    // connection.
    auto* design = new QWidget(this);
    m_layout = new QVBoxLayout(design);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(design, 0, Qt::AlignLeft | Qt::AlignTop);
    m_client = new ClientAreaView(design);
    m_layout->addWidget(m_client);

    // A picture control takes the size of its picture, whatever the template gives it.
    const QPixmap banner(QStringLiteral(":/torvane/banner.png"));
    m_banner = new QLabel(m_client);
    m_banner->setPixmap(banner);
    m_banner->setGeometry(QRect(kBannerRect.topLeft(), banner.size()));

    // The template's caption; start-up replaces it with "Go!".
    m_go = new QPushButton(QStringLiteral("Stop"), m_client);
    m_go->setGeometry(kGoButtonRect);
    m_go->setAutoDefault(false);
    connect(m_go, &QPushButton::clicked, this, [this] {
        if (m_dlg != nullptr) {
            m_dlg->OnGoStop();
        }
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::Attach(CDlgMain& dlg) {
    m_dlg = &dlg;
    m_client->Attach(dlg);
}

void MainWindow::SetMenuBar(QWidget* menuBar) {
    menuBar->setParent(m_client->parentWidget());
    m_layout->addWidget(menuBar);
}

void MainWindow::CentreOnScreen() {
    QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    adjustSize();
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::SetGoCaption(const std::string& caption) {
    m_go->setText(QString::fromStdString(caption));
}

void MainWindow::EnableGo(bool enabled) {
    m_go->setEnabled(enabled);
}

void MainWindow::FullRedraw() {
    m_client->repaint();
}

void MainWindow::RedrawNow() {
    m_client->DrawOverNow();
}

void MainWindow::Minimize() {
    showMinimized();
}

void MainWindow::HideToNotifyIcon() {
    hide();
}

bool MainWindow::ShowAndActivate(const std::string& activationToken) {
    // Out of minimised, keeping maximised; from hidden, shown anew.
    const bool wasShown = isVisible();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    if (!wasShown && windowHandle() != nullptr) {
        ForgetIconicStart(*windowHandle());
    }
    show();
    raise();
    if (ActivateWindow(*windowHandle(), activationToken)) {
        return true;
    }
    // A Wayland client can neither restore its minimised window nor tell that it is minimised:
    // only an activation brings it back. Without one, a window that is not in front is shown
    // anew, as after the notification icon, so it always comes back.
    if (wasShown && !isActiveWindow() &&
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        ShowAnew();
    }
    return false;
}

void MainWindow::ShowAnew() {
    // A surface that starts maximised has no normal size to go back to, and its restore button
    // does nothing: the new one starts at its normal size and is maximised once it is shown.
    const Qt::WindowStates kept = windowState();
    constexpr Qt::WindowStates kLarge = Qt::WindowMaximized | Qt::WindowFullScreen;
    const QRect normal = normalGeometry();
    hide();
    if (kept & kLarge) {
        m_statesOnceExposed = kept;
        setWindowState(kept & ~kLarge);
        if (normal.isValid()) {
            resize(normal.size());
        }
        windowHandle()->installEventFilter(this);
    }
    show();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed() && m_statesOnceExposed != Qt::WindowNoState) {
        windowHandle()->removeEventFilter(this);
        const Qt::WindowStates states = m_statesOnceExposed;
        m_statesOnceExposed = Qt::WindowNoState;
        QMetaObject::invokeMethod(
            this, [this, states] { setWindowState(states); }, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::PostQuit(int exitCode) {
    QCoreApplication::exit(exitCode);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window goes only when the program ends, which its owner decides: it asks first when
    // a session or the countdown would be cancelled.
    event->ignore();
    if (m_dlg == nullptr) {
        PostQuit(0);
        return;
    }
    m_dlg->OnClose();
}

}  // namespace torvane
