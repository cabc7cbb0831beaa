// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/IMessageBox.h"
#include "platform/INotifyIcon.h"
#include "platform/IWindowHost.h"
#include "session/CDlgMain.h"

namespace torvane {

bool CDlgMain::OnCommand(unsigned int id) {
    switch (id) {
        case cmd::kGoStop:
        case cmd::kStartSession:
            OnGoStop();
            return true;
        case cmd::kResumeSession:
            OnResumeSession();
            return true;
        case cmd::kShowVGrid:
            ToggleView(m_settingsRecord.m_bShowVGrid, Setting::ShowVGrid);
            return true;
        case cmd::kShowHGrid:
            ToggleView(m_settingsRecord.m_bShowHGrid, Setting::ShowHGrid);
            return true;
        case cmd::kShowDetailedGrid:
            ToggleView(m_settingsRecord.m_bShowDetailedGrid, Setting::ShowDetailedGrid);
            return true;
        case cmd::kShowEstimations:
            ToggleView(m_settingsRecord.m_bShowEstimations, Setting::DrawEstimations);
            return true;
        case cmd::kShowRef1:
            ToggleView(m_settingsRecord.m_bShowRef[0], Setting::ShowRef1);
            return true;
        case cmd::kShowRef2:
            ToggleView(m_settingsRecord.m_bShowRef[1], Setting::ShowRef2);
            return true;
        case cmd::kShowRef3:
            ToggleView(m_settingsRecord.m_bShowRef[2], Setting::ShowRef3);
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
    states.checked[cmd::kShowEstimations] = m_settingsRecord.m_bShowEstimations;
    states.checked[cmd::kShowVGrid] = m_settingsRecord.m_bShowVGrid;
    states.checked[cmd::kShowHGrid] = m_settingsRecord.m_bShowHGrid;
    states.checked[cmd::kShowRef1] = m_settingsRecord.m_bShowRef[0];
    states.checked[cmd::kShowRef2] = m_settingsRecord.m_bShowRef[1];
    states.checked[cmd::kShowRef3] = m_settingsRecord.m_bShowRef[2];
    states.checked[cmd::kShowDetailedGrid] = m_settingsRecord.m_bShowDetailedGrid;

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
