// The session controller: the unplug countdown, the session tick that samples the battery, the
// auto-start monitor, and the Go/Stop and Resume commands.

#include <cstdio>
#include <string>

#include "logdata/BatteryEstimate.h"
#include "logdata/IntMath.h"
#include "platform/IMessageBox.h"
#include "platform/IPowerOffKey.h"
#include "platform/IPowerStatus.h"
#include "platform/ITimers.h"
#include "platform/IWindowHost.h"
#include "session/CDlgMain.h"

namespace torvane {

namespace {

constexpr const char* kReadyText = "Ready to start a session...";
constexpr std::int32_t kCountdownSeconds = 30;

bool SessionOrCountdownActive(const CDlgMain& dlg) {
    return dlg.m_nSessionTimer != 0 || dlg.m_nCountdownTimer != 0;
}

std::string CountdownText(std::int32_t secondsLeft) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer,
                  "Please disconnect A/C power in order for the session to start, %d seconds "
                  "left...",
                  static_cast<int>(secondsLeft));
    return buffer;
}

StatusEstimateInput EstimateInput(const CDlgMain& dlg, std::int32_t percent, std::int32_t tNow,
                                  std::int32_t tLast) {
    StatusEstimateInput in;
    in.p = percent;
    in.tNow = tNow;
    in.tLast = tLast;
    in.p0 = dlg.m_log.percent[0];
    in.n = dlg.m_log.count;
    in.minEstimateSamples = dlg.m_nMinEstimateSamples;
    return in;
}

void OnMonitorTick(CDlgMain& dlg) {
    if (!dlg.m_bAutoStartMode) {
        return;
    }
    const MainServices& services = dlg.Services();
    const bool onAc = services.power.Read().onAc;
    if (!onAc && dlg.m_nSessionTimer == 0 && !dlg.m_bPowerOffSent) {
        dlg.SetSessionOrigin();
        dlg.m_nSessionTimer = services.timers.SetTimer(IDT_SESSION, kSessionPeriodMs);
        dlg.m_btnGo.SetWindowText("Stop");
        dlg.m_btnGo.EnableWindow(false);
        if (dlg.m_nCountdownTimer != 0) {
            // The wait already applied the power settings; the session takes them over.
            services.timers.KillTimer(IDT_COUNTDOWN);
            dlg.m_nCountdownTimer = 0;
        } else {
            dlg.OverrideSuspendTimeout(1);
        }
        dlg.m_nLoadTarget = kLoadTargetNone;
    }
    if (!onAc) {
        return;
    }
    dlg.m_bPowerOffSent = 0;
    if (dlg.m_nSessionTimer != 0) {
        dlg.StopSession();
        services.window.FullRedraw();
    }
}

void OnCountdownTick(CDlgMain& dlg) {
    if (dlg.m_bAutoStartMode) {
        return;
    }
    const MainServices& services = dlg.Services();
    if (!services.power.Read().onAc) {
        dlg.m_nSessionTimer = services.timers.SetTimer(IDT_SESSION, kSessionPeriodMs);
        dlg.m_btnGo.SetWindowText("Stop");
        dlg.m_btnGo.EnableWindow(true);
        services.timers.KillTimer(IDT_COUNTDOWN);
        dlg.m_nCountdownTimer = 0;
        dlg.SetSessionOrigin();
        dlg.m_nLoadTarget = kLoadTargetNone;
        return;
    }
    dlg.m_strStatus = CountdownText(dlg.m_nCountdown);
    services.window.RedrawNow();
    dlg.m_nCountdown -= 1;
    if (dlg.m_nCountdown != -1) {
        return;
    }
    dlg.m_strStatus = "Failed to start a session because the device is on A/C power...";
    services.window.FullRedraw();
    services.timers.KillTimer(IDT_COUNTDOWN);
    dlg.m_nCountdownTimer = 0;
    dlg.m_btnGo.SetWindowText("Go!");
    dlg.m_btnGo.EnableWindow(true);
    dlg.OverrideSuspendTimeout(0);
}

void PowerOffDevice(CDlgMain& dlg) {
    const MainServices& services = dlg.Services();
    if (dlg.m_bAutoSave) {
        // On disk before the machine goes down; a failure is told afterwards, if ever.
        dlg.AutoSave();
    }
    dlg.StopSession();
    services.window.FullRedraw();
    // Should the machine stay up (the command failed, or is slow), the session it ended is
    // kept: the monitor starts no other one that would empty the log and its file.
    dlg.m_bPowerOffSent = 1;
    services.powerOffKey.KeyEvent(VK_OFF, 0);
    services.powerOffKey.KeyEvent(VK_OFF, KEYEVENTF_KEYUP);
}

void OnSessionTick(CDlgMain& dlg) {
    const MainServices& services = dlg.Services();
    const PowerReading power = services.power.Read();
    // In auto-start mode the monitor stops the session when the mains return.
    if (!dlg.m_bAutoStartMode && power.onAc) {
        dlg.StopSession();
        dlg.m_strStatus = "A/C power detected, session stopped...";
        services.window.FullRedraw();
        return;
    }
    // The clock, not the number of ticks, gives the run time.
    dlg.m_nSessionSeconds = dlg.m_sessionClock.SecondsAt(services.timers.NowMs());

    const std::int32_t p = power.percent;
    if (p == -1) {
        return;  // no reading this second; the clock has advanced all the same
    }
    if (dlg.m_bAutoPowerOff && p <= dlg.m_nAutoPowerOffAt) {
        PowerOffDevice(dlg);  // the reading that triggered it is not recorded
        return;
    }

    const std::int32_t t = dlg.m_nSessionSeconds / 60;
    BatteryLog& log = dlg.m_log;

    if (log.count == 0) {
        log.minutes[0] = t;
        log.percent[0] = p;
        dlg.m_nLastPercent = p;
        log.count = 1;
        dlg.m_strStatus = FormatFirstSampleStatus(p, t);
        services.window.FullRedraw();
        return;
    }

    if (log.IsFull()) {
        // Nothing more can be recorded, but the session and its status line go on: once a
        // minute, from the current reading at the current minute.
        if (t != dlg.m_nLastStatusMinute) {
            dlg.m_nLastStatusMinute = t;
            dlg.m_strStatus = FormatRunningStatus(EstimateInput(dlg, p, t, t));
            services.window.RedrawNow();
        }
        return;
    }

    if (p == dlg.m_nLastPercent) {
        if (t != dlg.m_nLastStatusMinute) {
            dlg.m_nLastStatusMinute = t;
            const std::int32_t tLast = log.minutes[static_cast<std::size_t>(log.count - 1)];
            dlg.m_strStatus = FormatRunningStatus(EstimateInput(dlg, p, t, tLast));
            services.window.RedrawNow();
        }
        return;
    }

    const auto index = static_cast<std::size_t>(log.count);
    log.minutes[index] = t;
    log.percent[index] = p;
    dlg.m_nLastStatusMinute = t;
    dlg.m_nLastPercent = p;
    log.count += 1;
    dlg.m_strStatus = FormatRunningStatus(EstimateInput(dlg, p, t, t));
    services.window.FullRedraw();
    if (dlg.m_bAutoSave) {
        dlg.AutoSave();
    }
}

}  // namespace

void CDlgMain::SetSessionOrigin() {
    m_nSessionSeconds = 0;
    if (m_nLoadTarget != kLoadTargetLive) {
        m_log.count = 0;
    } else if (m_log.count > 0 && m_log.count <= BatteryLog::kCapacity) {
        m_nSessionSeconds =
            intmath::Mul(60, m_log.minutes[static_cast<std::size_t>(m_log.count - 1)]);
    }
    m_sessionClock.Start(m_nSessionSeconds, m_services.timers.NowMs());
    // A new session tells its first auto-save failure again.
    m_bAutoSaveFailing = false;
}

void CDlgMain::StartCountdown() {
    if (m_nSessionTimer != 0) {
        return;
    }
    m_nCountdown = kCountdownSeconds;
    m_nCountdownTimer = m_services.timers.SetTimer(IDT_COUNTDOWN, kCountdownPeriodMs);
    m_btnGo.EnableWindow(false);
    OverrideSuspendTimeout(1);
}

void CDlgMain::StopSession() {
    m_services.timers.KillTimer(IDT_SESSION);
    m_nSessionTimer = 0;
    if (m_nCountdownTimer != 0) {
        m_services.timers.KillTimer(IDT_COUNTDOWN);
        m_nCountdownTimer = 0;
    }
    m_strStatus = kReadyText;
    m_btnGo.SetWindowText("Go!");
    OverrideSuspendTimeout(0);
}

void CDlgMain::OnGoStop() {
    if (SessionOrCountdownActive(*this)) {
        if (m_services.messages.Show("Stop current session?", MessageButtons::YesNo) !=
            MessageAnswer::Yes) {
            return;
        }
        // Timers tick while the boxes are open, so the session may have ended meanwhile; the
        // stop then finds nothing running, and the restore nothing left to put back.
        m_services.messages.Show("Session stopped", MessageButtons::Ok);
        StopSession();
        m_services.window.FullRedraw();
        return;
    }
    m_log.count = 0;
    StartCountdown();
}

void CDlgMain::OnResumeSession() {
    m_bAutoStartMode = false;  // in memory only; the next settings load sets it from the store
    if (SessionOrCountdownActive(*this)) {
        if (m_nSessionTimer != 0) {
            m_services.timers.KillTimer(IDT_SESSION);
            m_nSessionTimer = 0;
        }
        if (m_nCountdownTimer != 0) {
            m_services.timers.KillTimer(IDT_COUNTDOWN);
            m_nCountdownTimer = 0;
        }
        OverrideSuspendTimeout(0);
    }
    m_nLoadTarget = kLoadTargetLive;
    // On failure the reader has told the user and the live log is as it was; the session that
    // follows continues it.
    ReadLogFile(AutoSavePath());
    StartCountdown();
}

void CDlgMain::OnTimer(unsigned int timerId) {
    switch (timerId) {
        case IDT_MONITOR:
            OnMonitorTick(*this);
            break;
        case IDT_COUNTDOWN:
            OnCountdownTick(*this);
            break;
        case IDT_SESSION:
            OnSessionTick(*this);
            break;
        default:
            break;
    }
}

}  // namespace torvane
