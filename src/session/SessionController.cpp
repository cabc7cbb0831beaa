// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/SessionController.h"

#include <cstdio>
#include <string>

#include "logdata/BatteryEstimate.h"
#include "logdata/IntMath.h"
#include "logfile/LogFileCommands.h"
#include "platform/IMessageBox.h"
#include "platform/IPowerOffKey.h"
#include "platform/IPowerStatus.h"
#include "platform/ITimers.h"
#include "platform/IWindowHost.h"

namespace torvane {

namespace {

constexpr const char* kReadyText = "Ready to start a session...";
constexpr std::int32_t kCountdownSeconds = 30;

std::string CountdownText(std::int32_t secondsLeft) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer,
                  "Please disconnect A/C power in order for the session to start, %d seconds "
                  "left...",
                  static_cast<int>(secondsLeft));
    return buffer;
}

// Keeps the text a file operation would show, so the caller can show it when it is safe to.
class HeldMessage : public IMessageBox {
public:
    MessageAnswer Show(const std::string& text, MessageButtons) override {
        held = text;
        return MessageAnswer::Ok;
    }
    std::string held;
};

}  // namespace

SessionController::SessionController(const MainServices& services)
    : m_services(services),
      m_suspendOverride(services.registry, services.suspendInhibitor, services.suspendJournal),
      m_btnGo(services.window) {}

void SessionController::CaptionGo() {
    m_btnGo.SetWindowText("Go!");
}

void SessionController::Reset() {
    m_log.count = 0;
    m_nSessionTimer = 0;
    m_nSessionSeconds = 0;
    for (BatteryLog& ref : m_ref) {
        ref.count = 0;
    }
    m_nLoadTarget = kLoadTargetNone;
    m_nMinEstimateSamples = kMinEstimateSamples;
    // Always written before they matter, but a resumed session's first reading and the first
    // estimate refresh compare against them: start from a known value.
    m_nLastPercent = 0;
    m_nLastStatusMinute = 0;
    m_nCountdown = 0;
    m_nCountdownTimer = 0;
}

void SessionController::ApplySettings(const SettingsRecord& settings) {
    m_bAutoPowerOff = settings.m_bAutoPowerOff;
    m_nAutoPowerOffAt = settings.m_nAutoPowerOffAt;
    m_bIgnorePowerOff = settings.m_bIgnorePowerOff;
    m_strSavePath = settings.m_strSavePath;
    m_bAutoSave = settings.m_bAutoSave;
    m_bAutoStartMode = settings.m_bAutoStartMode;
    // In auto-start mode sessions start and stop by themselves, so Go/Stop is not offered.
    m_btnGo.EnableWindow(!m_bAutoStartMode);
}

void SessionController::Begin() {
    // A suspend timeout that an earlier run left switched off goes back before anything else.
    m_suspendOverride.RecoverLeftOverride();
    m_strStatus = kReadyText;
    m_services.window.FullRedraw();
    m_nMonitorTimer = m_services.timers.SetTimer(IDT_MONITOR, kMonitorPeriodMs);
}

// --- Go/Stop, Resume and the timers ---------------------------------------------------------

void SessionController::StartCountdown() {
    if (m_nSessionTimer != 0) {
        return;
    }
    m_nCountdown = kCountdownSeconds;
    m_nCountdownTimer = m_services.timers.SetTimer(IDT_COUNTDOWN, kCountdownPeriodMs);
    m_btnGo.EnableWindow(false);
    OverrideSuspendTimeout(true);
}

void SessionController::StopSession() {
    m_services.timers.KillTimer(IDT_SESSION);
    m_nSessionTimer = 0;
    if (m_nCountdownTimer != 0) {
        m_services.timers.KillTimer(IDT_COUNTDOWN);
        m_nCountdownTimer = 0;
    }
    m_strStatus = kReadyText;
    m_btnGo.SetWindowText("Go!");
    OverrideSuspendTimeout(false);
}

void SessionController::OnGoStop() {
    if (SessionRunning() || CountdownRunning()) {
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

void SessionController::OnResumeSession() {
    m_bAutoStartMode = false;  // in memory only; the next settings load sets it from the store
    if (SessionRunning() || CountdownRunning()) {
        KillSessionTimers();
        OverrideSuspendTimeout(false);
    }
    m_nLoadTarget = kLoadTargetLive;
    // On failure the reader has told the user and the live log is as it was; the session that
    // follows continues it.
    ReadLogFile(AutoSaveFilePath(m_strSavePath));
    StartCountdown();
}

void SessionController::EndActiveBeforeQuit() {
    if (SessionRunning() || CountdownRunning()) {
        StopSession();
    }
}

void SessionController::KillSessionTimers() {
    if (m_nSessionTimer != 0) {
        m_services.timers.KillTimer(IDT_SESSION);
        m_nSessionTimer = 0;
    }
    if (m_nCountdownTimer != 0) {
        m_services.timers.KillTimer(IDT_COUNTDOWN);
        m_nCountdownTimer = 0;
    }
}

void SessionController::OnTimer(unsigned int timerId) {
    switch (timerId) {
        case IDT_MONITOR:
            OnMonitorTick();
            break;
        case IDT_COUNTDOWN:
            OnCountdownTick();
            break;
        case IDT_SESSION:
            OnSessionTick();
            break;
        default:
            break;
    }
}

void SessionController::SetSessionOrigin() {
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

void SessionController::StartSessionTimer() {
    // The monitor starts again with the session, so that each of its ticks falls due with a
    // session tick and the two share one wake-up.
    m_nMonitorTimer = m_services.timers.SetTimer(IDT_MONITOR, kMonitorPeriodMs);
    m_nSessionTimer = m_services.timers.SetTimer(IDT_SESSION, kSessionPeriodMs);
}

void SessionController::OnMonitorTick() {
    if (!m_bAutoStartMode) {
        return;
    }
    const bool onAc = ReadPower().onAc;
    if (!onAc && m_nSessionTimer == 0 && !m_bPowerOffSent) {
        SetSessionOrigin();
        StartSessionTimer();
        m_btnGo.SetWindowText("Stop");
        m_btnGo.EnableWindow(false);
        if (m_nCountdownTimer != 0) {
            // The wait already applied the power settings; the session takes them over.
            m_services.timers.KillTimer(IDT_COUNTDOWN);
            m_nCountdownTimer = 0;
        } else {
            OverrideSuspendTimeout(true);
        }
        m_nLoadTarget = kLoadTargetNone;
    }
    if (onAc && m_nSessionTimer != 0) {
        StopSession();
        m_services.window.FullRedraw();
    }
}

void SessionController::OnCountdownTick() {
    if (m_bAutoStartMode) {
        return;
    }
    if (!ReadPower().onAc) {
        StartSessionTimer();
        m_btnGo.SetWindowText("Stop");
        m_btnGo.EnableWindow(true);
        m_services.timers.KillTimer(IDT_COUNTDOWN);
        m_nCountdownTimer = 0;
        SetSessionOrigin();
        m_nLoadTarget = kLoadTargetNone;
        return;
    }
    m_strStatus = CountdownText(m_nCountdown);
    m_services.window.RedrawNow();
    m_nCountdown -= 1;
    if (m_nCountdown != -1) {
        return;
    }
    m_strStatus = "Failed to start a session because the device is on A/C power...";
    m_services.window.FullRedraw();
    m_services.timers.KillTimer(IDT_COUNTDOWN);
    m_nCountdownTimer = 0;
    m_btnGo.SetWindowText("Go!");
    m_btnGo.EnableWindow(true);
    OverrideSuspendTimeout(false);
}

void SessionController::PowerOffDevice() {
    if (m_bAutoSave) {
        // On disk before the machine goes down; a failure is told afterwards, if ever.
        AutoSave();
    }
    StopSession();
    m_services.window.FullRedraw();
    // Should the machine stay up (the command failed, or is slow), the session it ended is
    // kept: in auto-start mode the monitor would at once start another one on battery, which
    // would empty the log and its file and power off again.
    m_bPowerOffSent = m_bAutoStartMode;
    m_services.powerOffKey.KeyEvent(VK_OFF, 0);
    m_services.powerOffKey.KeyEvent(VK_OFF, KEYEVENTF_KEYUP);
}

PowerReading SessionController::ReadPower() {
    PowerReading reading = m_services.power.Read();
    if (reading.onAc) {
        m_bPowerOffSent = false;  // the mains were seen: auto-start may start sessions again
    }
    return reading;
}

std::string SessionController::RunningStatus(std::int32_t p, std::int32_t tNow,
                                             std::int32_t tLast) const {
    return StatusOfReading(m_log, p, tNow, tLast, m_nMinEstimateSamples);
}

void SessionController::OnSessionTick() {
    const PowerReading power = ReadPower();
    // In auto-start mode the monitor stops the session when the mains return.
    if (!m_bAutoStartMode && power.onAc) {
        StopSession();
        m_strStatus = "A/C power detected, session stopped...";
        m_services.window.FullRedraw();
        return;
    }
    // The clock, not the number of ticks, gives the run time.
    m_nSessionSeconds = m_sessionClock.SecondsAt(m_services.timers.NowMs());

    const std::int32_t p = power.percent;
    if (p == -1) {
        return;  // no reading this second; the clock has advanced all the same
    }
    if (m_bAutoPowerOff && p <= m_nAutoPowerOffAt) {
        PowerOffDevice();  // the reading that triggered it is not recorded
        return;
    }

    const std::int32_t t = m_nSessionSeconds / 60;
    if (m_log.IsFull() || (m_log.count > 0 && p == m_nLastPercent)) {
        // Nothing is recorded, but the status line goes on once a minute. Its rate comes from
        // the last recorded sample, also when a full log had no room for the reading.
        if (t != m_nLastStatusMinute) {
            m_nLastStatusMinute = t;
            const std::int32_t tLast = m_log.minutes[static_cast<std::size_t>(m_log.count - 1)];
            m_strStatus = RunningStatus(p, t, tLast);
            m_services.window.RedrawNow();
        }
        return;
    }

    const auto index = static_cast<std::size_t>(m_log.count);
    m_log.minutes[index] = t;
    m_log.percent[index] = p;
    if (m_log.count > 0) {
        m_nLastStatusMinute = t;
    }
    m_nLastPercent = p;
    m_log.count += 1;
    m_strStatus = StatusAtLastSample(m_log, m_nMinEstimateSamples);
    m_services.window.FullRedraw();
    if (m_log.count > 1 && m_bAutoSave) {
        AutoSave();
    }
}

// --- Files ----------------------------------------------------------------------------------

void SessionController::SaveLog() {
    LogFileCommands(m_services.files, m_services.messages, m_services.fileDialog).SaveLog(m_log);
}

void SessionController::ExportCsv() {
    LogFileCommands(m_services.files, m_services.messages, m_services.fileDialog).ExportCsv(m_log);
}

void SessionController::LoadReferenceLog(std::int32_t slot) {
    LogFileCommands(m_services.files, m_services.messages, m_services.fileDialog)
        .LoadReferenceLog(slot, {m_log, m_ref, m_nLoadTarget});
}

bool SessionController::WriteLogFile(const std::string& path) {
    LogFileCommands files(m_services.files, m_services.messages, m_services.fileDialog);
    return files.WriteLogFile(m_log, path);
}

bool SessionController::ReadLogFile(const std::string& path) {
    LogFileCommands files(m_services.files, m_services.messages, m_services.fileDialog);
    return files.ReadLogFile(path, {m_log, m_ref, m_nLoadTarget});
}

void SessionController::AutoSave() {
    HeldMessage failure;
    LogFileCommands files(m_services.files, failure, m_services.fileDialog);
    if (files.WriteLogFile(m_log, AutoSaveFilePath(m_strSavePath))) {
        m_bAutoSaveFailing = false;
        return;
    }
    // A missing folder fails at every sample: one box for the whole run of failures, and
    // none beside one that is still open.
    const bool tell = !m_bAutoSaveFailing && !m_bAutoSaveFailureTold;
    m_bAutoSaveFailing = true;
    if (!tell) {
        return;
    }
    // Shown from the event loop, not from the tick: a box opened inside a timer's handler
    // would hold that timer, and with it the session, until it closed.
    m_bAutoSaveFailureTold = true;
    PostToSelf([text = failure.held](SessionController& self) {
        self.m_services.messages.Show(text, MessageButtons::Ok);
        self.m_bAutoSaveFailureTold = false;
    });
}

void SessionController::PostToSelf(std::function<void(SessionController&)> call) {
    m_services.timers.Post(
        [target = std::weak_ptr<SessionController*>(m_postTarget), call = std::move(call)] {
            if (const auto self = target.lock()) {
                call(**self);
            }
        });
}

// --- Power ----------------------------------------------------------------------------------

void SessionController::OverrideSuspendTimeout(bool bOverride) {
    if (bOverride) {
        if (!m_bIgnorePowerOff) {
            return;
        }
        m_suspendOverride.Override(m_dwSavedSuspendTimeout);
        return;
    }
    // The restore follows the override that was made, whatever the option says by now.
    m_suspendOverride.Restore();
}

}  // namespace torvane
