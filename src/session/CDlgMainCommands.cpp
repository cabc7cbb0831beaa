#include "logfile/LogFileCommands.h"
#include "platform/IMessageBox.h"
#include "platform/IWindowHost.h"
#include "session/CDlgMain.h"
#include "session/MenuModel.h"

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
            ToggleView(m_bShowVGrid, Setting::ShowVGrid);
            return true;
        case cmd::kShowHGrid:
            ToggleView(m_bShowHGrid, Setting::ShowHGrid);
            return true;
        case cmd::kShowDetailedGrid:
            ToggleView(m_bShowDetailedGrid, Setting::ShowDetailedGrid);
            return true;
        case cmd::kShowEstimations:
            ToggleView(m_bShowEstimations, Setting::DrawEstimations);
            return true;
        case cmd::kShowRef1:
            ToggleView(m_bShowRef[0], Setting::ShowRef1);
            return true;
        case cmd::kShowRef2:
            ToggleView(m_bShowRef[1], Setting::ShowRef2);
            return true;
        case cmd::kShowRef3:
            ToggleView(m_bShowRef[2], Setting::ShowRef3);
            return true;
        case cmd::kSaveLog:
            FileCommands().SaveLog(m_log);
            return true;
        case cmd::kLoadSlot1:
            FileCommands().LoadReferenceLog(1, {m_log, m_ref, m_nLoadTarget});
            return true;
        case cmd::kLoadSlot2:
            FileCommands().LoadReferenceLog(2, {m_log, m_ref, m_nLoadTarget});
            return true;
        case cmd::kLoadSlot3:
            FileCommands().LoadReferenceLog(3, {m_log, m_ref, m_nLoadTarget});
            return true;
        case cmd::kExportCsv:
            FileCommands().ExportCsv(m_log);
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

LogFileCommands CDlgMain::FileCommands() {
    return LogFileCommands(m_services.files, m_services.messages, m_services.fileDialog);
}

void CDlgMain::ToggleView(bool& flag, FlagSetting setting) {
    flag = !flag;
    WriteFlag(m_settings, setting, flag);
    m_services.window.FullRedraw();
}

void CDlgMain::SetTimeScale(int hours) {
    m_nScaleHours = hours;
    WriteNumber(m_settings, Setting::ScaleHours, static_cast<DWORD>(hours));
    m_services.window.FullRedraw();
}

void CDlgMain::OnExit() {
    const char* question =
        m_nSessionTimer != 0 ? "Quit Torvane and cancel the running session?" : "Quit Torvane?";
    if (m_services.messages.Show(question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    EndActiveBeforeQuit();
    m_services.window.PostQuit(0);
}

void CDlgMain::OnClose() {
    if (m_nSessionTimer == 0 && m_nCountdownTimer == 0) {
        m_services.window.PostQuit(0);
        return;
    }
    OnExit();
}

void CDlgMain::EndActiveBeforeQuit() {
    if (m_nSessionTimer != 0 || m_nCountdownTimer != 0) {
        StopSession();
    }
}

void CDlgMain::OnMinimize() {
    // Issued twice, as the handheld's shell needs; timers keep running in the background.
    m_services.window.Minimize();
    m_services.window.Minimize();
}

void CDlgMain::OnNotifyIcon(unsigned int iconId, unsigned int mouseEvent) {
    if (iconId == cmd::kNotifyIconId && mouseEvent == cmd::kLeftButtonDown) {
        m_services.window.ShowAndActivate();
    }
}

void CDlgMain::OnOptionsClosed() {
    LoadSettings();
    m_services.window.FullRedraw();
}

}  // namespace torvane
