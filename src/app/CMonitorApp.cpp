// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CMonitorApp.h"

#include <QApplication>

#include "app/CAboutBox.h"
#include "app/MainMenuBar.h"
#include "app/MainWindow.h"
#include "qt/QtFileDialog.h"
#include "qt/QtMessageBox.h"
#include "qt/QtNotifyIcon.h"
#include "qt/QtPowerOffKey.h"
#include "session/CDlgMain.h"
#include "session/MenuModel.h"

namespace torvane {

CMonitorApp::CMonitorApp(BackgroundServices services) : m_services(std::move(services)) {}

CMonitorApp::~CMonitorApp() {
    if (m_dlg && !m_bDestroyed) {
        m_dlg->OnDestroy();
    }
    // The owner goes before the window and the services it refers to.
    m_dlg.reset();
}

void CMonitorApp::Create() {
    m_window = std::make_unique<MainWindow>();
    m_messages = std::make_unique<QtMessageBox>(m_window.get());
    m_fileDialog = std::make_unique<QtFileDialog>(m_window.get(),
                                                  QString::fromStdString(m_services.dialogFolder));
    // A click on the notification icon arrives as the icon's left-button-down message.
    m_notifyIcon = std::make_unique<QtNotifyIcon>(
        [this] { m_dlg->OnNotifyIcon(cmd::kNotifyIconId, cmd::kLeftButtonDown); });
    m_powerOffKey = std::make_unique<QtPowerOffKey>(m_services.powerOff);

    const MainServices services{m_services.power,
                                m_services.timers,
                                m_services.registry,
                                *m_window,
                                *m_messages,
                                *m_fileDialog,
                                m_services.files,
                                *m_notifyIcon,
                                *m_powerOffKey,
                                m_services.suspendInhibitor,
                                m_services.suspendJournal};
    m_dlg = std::make_unique<CDlgMain>(services);
    m_window->Attach(*m_dlg);
    m_window->SetMenuBar(new MainMenuBar(*m_dlg, [this](unsigned int id) { OnMenuCommand(id); }));
    m_window->CentreOnScreen();
    m_dlg->OnInitDialog();
}

void CMonitorApp::OnMenuCommand(unsigned int id) {
    // About and Options are boxes of the window itself; everything else is the owner's.
    if (id == cmd::kAbout) {
        CAboutBox about(m_window.get());
        about.exec();
        return;
    }
    if (id == cmd::kOptions) {
        if (m_runOptions) {
            m_runOptions(*m_window, m_dlg->SettingsStore());
        }
        // Whatever the sheet's result, the window takes what the store now holds.
        m_dlg->OnOptionsClosed();
        return;
    }
    m_dlg->OnCommand(id);
}

int CMonitorApp::Run() {
    m_window->show();
    const int exitCode = QApplication::exec();
    m_window->hide();
    m_dlg->OnDestroy();
    m_bDestroyed = true;
    return exitCode;
}

}  // namespace torvane
