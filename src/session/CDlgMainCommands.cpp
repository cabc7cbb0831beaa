// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/IMessageBox.h"
#include "platform/INotifyIcon.h"
#include "platform/IWindowHost.h"
#include "session/CDlgMain.h"

namespace torvane {

namespace {

// The View menu's switches: each shows one setting of the window's record as a checked item,
// and choosing it turns the setting over.
struct ViewSwitch {
    unsigned int command;
    FlagSetting setting;
    bool& (*flag)(SettingsRecord&);
};
constexpr std::array kViewSwitches{
    ViewSwitch{cmd::kShowEstimations, Setting::DrawEstimations,
               [](SettingsRecord& r) -> bool& { return r.m_bShowEstimations; }},
    ViewSwitch{cmd::kShowVGrid, Setting::ShowVGrid,
               [](SettingsRecord& r) -> bool& { return r.m_bShowVGrid; }},
    ViewSwitch{cmd::kShowHGrid, Setting::ShowHGrid,
               [](SettingsRecord& r) -> bool& { return r.m_bShowHGrid; }},
    ViewSwitch{cmd::kShowRef1, Setting::ShowRef1,
               [](SettingsRecord& r) -> bool& { return r.m_bShowRef[0]; }},
    ViewSwitch{cmd::kShowRef2, Setting::ShowRef2,
               [](SettingsRecord& r) -> bool& { return r.m_bShowRef[1]; }},
    ViewSwitch{cmd::kShowRef3, Setting::ShowRef3,
               [](SettingsRecord& r) -> bool& { return r.m_bShowRef[2]; }},
    ViewSwitch{cmd::kShowDetailedGrid, Setting::ShowDetailedGrid,
               [](SettingsRecord& r) -> bool& { return r.m_bShowDetailedGrid; }},
};

}  // namespace

bool CDlgMain::OnCommand(unsigned int id) {
    for (const ViewSwitch& view : kViewSwitches) {
        if (view.command == id) {
            ToggleView(view.flag(m_settingsRecord), view.setting);
            return true;
        }
    }
    switch (id) {
        case cmd::kGoStop:
        case cmd::kStartSession:
            OnGoStop();
            return true;
        case cmd::kResumeSession:
            OnResumeSession();
            return true;
        case cmd::kSaveLog:
            m_session.SaveLog();
            return true;
        case cmd::kLoadSlot1:
            m_session.LoadReferenceLog(1);
            return true;
        case cmd::kLoadSlot2:
            m_session.LoadReferenceLog(2);
            return true;
        case cmd::kLoadSlot3:
            m_session.LoadReferenceLog(3);
            return true;
        case cmd::kExportCsv:
            m_session.ExportCsv();
            return true;
        case cmd::kExit:
            OnExit();
            return true;
        case cmd::kMinimize:
            OnMinimize();
            return true;
        default:
            break;
    }
    if (const int hours = ScaleHoursOfCommand(id); hours != 0) {
        SetTimeScale(hours);
        return true;
    }
    return false;  // "Auto" and anything unknown have no handler
}

void CDlgMain::ToggleView(bool& flag, FlagSetting setting) {
    flag = !flag;
    WriteFlag(m_settings, setting, flag);
    m_services.window.FullRedraw();
}

void CDlgMain::SetTimeScale(int hours) {
    m_settingsRecord.m_nScaleHours = hours;
    WriteNumber(m_settings, Setting::ScaleHours, static_cast<DWORD>(hours));
    m_services.window.FullRedraw();
}

void CDlgMain::OnExit() {
    const char* question = m_session.SessionRunning()
                               ? "Quit Torvane and cancel the running session?"
                               : "Quit Torvane?";
    if (m_services.messages.Show(question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    EndActiveBeforeQuit();
    m_services.window.PostQuit(0);
}

void CDlgMain::OnClose() {
    if (!m_session.SessionRunning() && !m_session.CountdownRunning()) {
        m_services.window.PostQuit(0);
        return;
    }
    OnExit();
}

void CDlgMain::OnMinimize() {
    // Timers keep running in the background either way. Behind the notification icon where
    // there is a notification area now; elsewhere minimised as the desktop does it, so the
    // task bar, the overview or a second start brings it back, never lost to a missing tray.
    if (m_services.notifyIcon.Available()) {
        m_services.window.HideToNotifyIcon();
        return;
    }
    // Issued twice, as the window always has; a second request to a minimised window is
    // harmless.
    m_services.window.Minimize();
    m_services.window.Minimize();
}

void CDlgMain::OnNotifyIcon(unsigned int iconId, unsigned int mouseEvent) {
    if (iconId == cmd::kNotifyIconId && mouseEvent == cmd::kLeftButtonDown) {
        m_services.window.ShowAndActivate({});
    }
}

void CDlgMain::OnOptionsClosed() {
    LoadSettings();
    m_services.window.FullRedraw();
}

MenuStates CDlgMain::ComputeMenuStates() const {
    MenuStates states;
    SettingsRecord record = m_settingsRecord;
    for (const ViewSwitch& view : kViewSwitches) {
        states.checked[view.command] = view.flag(record);
    }

    // A scale set elsewhere (say 12 on the View page) leaves every item unchecked.
    states.checked[cmd::kScaleAuto] = false;
    for (unsigned int id = cmd::kScale1; id <= cmd::kScale20; ++id) {
        states.checked[id] = ScaleHoursOfCommand(id) == m_settingsRecord.m_nScaleHours;
    }

    states.sessionItemText = m_session.SessionRunning() ? "Stop session" : "Start session";

    // Neither can be chosen during the unplug countdown or in auto-start mode.
    const bool sessionCommands = !m_session.CountdownRunning() && !m_session.AutoStartMode();
    states.enabled[cmd::kResumeSession] = sessionCommands;
    states.enabled[cmd::kStartSession] = sessionCommands;
    return states;
}

}  // namespace torvane
