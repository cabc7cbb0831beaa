// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace torvane {

class IPowerStatus;
class ITimers;
class IRegistry;
class IFileStore;
class ISuspendInhibitor;
class ISuspendTimeoutJournal;
class CDlgMain;
class CSettingsStore;
class MainWindow;
class QtFileDialog;
class QtMessageBox;
class QtNotifyIcon;
class QtPowerOffKey;

// The services the program brings along before any window exists.
struct BackgroundServices {
    IPowerStatus& power;
    ITimers& timers;
    IRegistry& registry;
    IFileStore& files;
    ISuspendInhibitor& suspendInhibitor;
    // Where a switched-off suspend timeout is kept against a crash; none: nothing is kept.
    ISuspendTimeoutJournal* suspendJournal;
    // What switching the machine off does (the power-off key's action).
    std::function<void()> powerOff;
    // Where the file dialogs open (a host folder); empty: the current folder.
    std::string dialogFolder;
};

// The application: builds the main window and its owner, runs the window until it ends, and
// tears it down. The program ends when the window does.
class CMonitorApp {
public:
    explicit CMonitorApp(BackgroundServices services);
    ~CMonitorApp();

    CMonitorApp(const CMonitorApp&) = delete;
    CMonitorApp& operator=(const CMonitorApp&) = delete;

    // Creates the window and its owner and initialises them, without showing the window.
    void Create();
    // Shows the window and runs the event loop until the window ends; the loop's exit code.
    int Run();

    MainWindow& Window() { return *m_window; }
    CDlgMain& Dialog() { return *m_dlg; }
    // A menu command chosen in the window's menu bar.
    void OnMenuCommand(unsigned int id);
    // How View, "Options" runs the Options sheet over the window; it returns when the sheet has
    // closed.
    void SetOptionsRunner(std::function<void(QWidget& parent, CSettingsStore& store)> runner) {
        m_runOptions = std::move(runner);
    }

private:
    BackgroundServices m_services;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QtMessageBox> m_messages;
    std::unique_ptr<QtFileDialog> m_fileDialog;
    std::unique_ptr<QtNotifyIcon> m_notifyIcon;
    std::unique_ptr<QtPowerOffKey> m_powerOffKey;
    std::unique_ptr<CDlgMain> m_dlg;
    bool m_bDestroyed = false;
    std::function<void(QWidget&, CSettingsStore&)> m_runOptions;
};

}  // namespace torvane
