#include "session/CDlgMain.h"

#include "logfile/LogFileCommands.h"
#include "platform/INotifyIcon.h"
#include "platform/ITimers.h"
#include "platform/IWindowHost.h"

namespace torvane {

CDlgMain::CDlgMain(const MainServices& services)
    : m_btnGo(services.window), m_services(services), m_settings(services.registry) {}

CDlgMain::~CDlgMain() = default;

std::string CDlgMain::AutoSavePath() const {
    return AutoSaveFilePath(m_strSavePath);
}

void CDlgMain::OnInitDialog() {
    // The window exists: its three timers now arrive at the one timer handler. The window's
    // icons, its position and its menu bar are set by the window that shows this object.
    m_services.timers.SetHandler([this](unsigned int timerId) { OnTimer(timerId); });

    m_btnGo.SetWindowText("Go!");

    // The icon stays in the notification area for the whole life of the window.
    m_nid = NotifyIconRecord{};
    m_services.notifyIcon.Add();

    InitDefaultSettings();

    m_log.count = 0;
    m_nSessionTimer = 0;
    m_nSessionSeconds = 0;
    m_nGraphLeft = 30;
    m_nGraphTop = 37;
    m_nGraphRight = 235;
    m_nGraphBottom = 228;
    for (BatteryLog& ref : m_ref) {
        ref.count = 0;
    }
    m_bMinimizePending = 1;
    m_nLoadTarget = kLoadTargetNone;
    m_nMinEstimateSamples = 2;
    // Always written before they matter, but a resumed session's first reading and the first
    // estimate refresh compare against them: start from a known value.
    m_nLastPercent = 0;
    m_nLastStatusMinute = 0;
    m_nCountdown = 0;
    m_nCountdownTimer = 0;

    LoadSettings();
    // A suspend timeout that an earlier run left switched off goes back before anything else.
    RestoreLeftSuspendTimeout();

    m_strStatus = "Ready to start a session...";
    m_services.window.FullRedraw();

    m_nMonitorTimer = m_services.timers.SetTimer(IDT_MONITOR, kMonitorPeriodMs);
}

void CDlgMain::OnDestroy() {
    m_services.notifyIcon.Remove();
}

}  // namespace torvane
