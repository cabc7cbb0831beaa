// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "logdata/BatteryEstimate.h"
#include "logdata/BatteryLog.h"
#include "platform/IPowerStatus.h"
#include "platform/WinTypes.h"
#include "session/CGoButton.h"
#include "session/MainServices.h"
#include "session/SessionClock.h"
#include "settings/SettingsRecord.h"
#include "settings/SuspendTimeoutOverride.h"

namespace torvane {

constexpr unsigned int IDT_SESSION = 26539;
constexpr unsigned int IDT_COUNTDOWN = 26540;
constexpr unsigned int IDT_MONITOR = 26541;
constexpr unsigned int kMonitorPeriodMs = 5000;
constexpr unsigned int kCountdownPeriodMs = 1000;
constexpr unsigned int kSessionPeriodMs = 1000;

constexpr int kLoadTargetLive = 0;
constexpr int kLoadTargetNone = 5;

// The session side of the main window: the unplug countdown, the session tick that samples the
// battery, the auto-start monitor, the live log and the reference slots with their files, the
// auto-save, the power-off, and the Go/Stop button and status line that show it all.
class SessionController {
public:
    explicit SessionController(const MainServices& services);

    SessionController(const SessionController&) = delete;
    SessionController& operator=(const SessionController&) = delete;

    // Start-up: the button's caption, then the state every session starts from.
    void CaptionGo();
    void Reset();
    // The session-side settings; the button is offered unless sessions start by themselves.
    void ApplySettings(const SettingsRecord& settings);
    // The end of start-up: a suspend timeout left off goes back, the status line is the ready
    // text, the window is redrawn and the auto-start monitor begins.
    void Begin();

    void StartCountdown();
    void StopSession();
    void OnGoStop();
    void OnResumeSession();
    void OnTimer(unsigned int timerId);
    // Every way out of the program ends what is active first, so no power override outlives it.
    void EndActiveBeforeQuit();

    // The File menu's log commands.
    void SaveLog();
    void ExportCsv();
    void LoadReferenceLog(std::int32_t slot);
    // Battery log files: the live log written to `path`, or `path` read into the log that
    // m_nLoadTarget names; each shows its own failure message and returns whether it succeeded.
    bool WriteLogFile(const std::string& path);
    bool ReadLogFile(const std::string& path);

    bool SessionRunning() const { return m_nSessionTimer != 0; }
    bool CountdownRunning() const { return m_nCountdownTimer != 0; }
    bool AutoStartMode() const { return m_bAutoStartMode; }
    const BatteryLog& Log() const { return m_log; }
    const std::array<BatteryLog, 3>& Refs() const { return m_ref; }
    const std::string& Status() const { return m_strStatus; }
    // Where the next log load goes and how the next session starts (kLoadTargetLive: a
    // resumed session continues the live log; kLoadTargetNone: a fresh start).
    std::int32_t LoadTarget() const { return m_nLoadTarget; }
    std::int32_t SessionSeconds() const { return m_nSessionSeconds; }
    std::int32_t MinEstimateSamples() const { return m_nMinEstimateSamples; }

private:
    void OnMonitorTick();
    void OnCountdownTick();
    void OnSessionTick();
    void PowerOffDevice();
    // One look at the power status; a reading of A/C power lifts the power-off latch.
    PowerReading ReadPower();
    // A starting session's time origin: a fresh session starts at 0 with an empty log, a
    // resumed one where the live log ended, so its minutes continue the loaded ones.
    void SetSessionOrigin();
    // Rewrites the auto-save file with the live log. A failure is told once per run of
    // failures, after the handler that met it has returned, so no box holds up the timers.
    void AutoSave();
    // Power settings for a session: true overrides the suspend timeout, false restores it.
    void OverrideSuspendTimeout(bool bOverride);
    void KillSessionTimers();
    void StartSessionTimer();
    std::string RunningStatus(std::int32_t p, std::int32_t tNow, std::int32_t tLast) const;
    // Runs `call` from the event loop as a posted message, never inside the handler now
    // running, and not at all once this object is gone.
    void PostToSelf(std::function<void(SessionController&)> call);

    MainServices m_services;
    SuspendTimeoutOverride m_suspendOverride;

    unsigned int m_nMonitorTimer = 0;
    bool m_bAutoStartMode = false;
    std::string m_strSavePath;
    DWORD m_dwSavedSuspendTimeout = 0;
    bool m_bIgnorePowerOff = false;
    std::int32_t m_nAutoPowerOffAt = 0;
    bool m_bAutoPowerOff = false;
    std::int32_t m_nLastStatusMinute = 0;
    std::int32_t m_nMinEstimateSamples = kMinEstimateSamples;
    std::int32_t m_nLoadTarget = kLoadTargetNone;
    bool m_bAutoSave = false;
    std::string m_strStatus;
    std::int32_t m_nCountdown = 0;
    unsigned int m_nCountdownTimer = 0;
    std::int32_t m_nLastPercent = 0;
    std::int32_t m_nSessionSeconds = 0;
    unsigned int m_nSessionTimer = 0;
    BatteryLog m_log;
    std::array<BatteryLog, 3> m_ref{};
    CGoButton m_btnGo;

    // Where m_nSessionSeconds is read from at each session tick.
    SessionClock m_sessionClock;
    // The automatic power-off was sent in auto-start mode: no session starts by itself until
    // A/C power is seen, so a machine that stays up keeps the finished session and its
    // auto-save file.
    bool m_bPowerOffSent = false;
    bool m_bAutoSaveFailing = false;      // the last auto-save of this session failed
    bool m_bAutoSaveFailureTold = false;  // its message waits to be shown or is open
    std::shared_ptr<SessionController*> m_postTarget = std::make_shared<SessionController*>(this);
};

}  // namespace torvane
