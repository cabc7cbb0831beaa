#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "graph/GraphInput.h"
#include "graph/IGraphPicture.h"
#include "logdata/BatteryLog.h"
#include "platform/WinTypes.h"
#include "session/CGoButton.h"
#include "session/MainServices.h"
#include "session/SessionClock.h"
#include "settings/CSettingsStore.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsTable.h"
#include "settings/SuspendTimeoutOverride.h"

namespace torvane {

class LogFileCommands;

constexpr unsigned int IDT_SESSION = 26539;
constexpr unsigned int IDT_COUNTDOWN = 26540;
constexpr unsigned int IDT_MONITOR = 26541;
constexpr unsigned int kMonitorPeriodMs = 5000;
constexpr unsigned int kCountdownPeriodMs = 1000;
constexpr unsigned int kSessionPeriodMs = 1000;

constexpr int kLoadTargetLive = 0;
constexpr int kLoadTargetNone = 5;

// The notification-icon record the window adds at start-up and removes at destruction.
struct NotifyIconRecord {
    std::uint32_t cbSize = 152;
    std::uint32_t uID = 1291;
    std::uint32_t uFlags = 3;
    std::uint32_t uCallbackMessage = 2315;
};

// The menu-bar creation record: the bar comes from menu-bar resource 129.
struct MenuBarRecord {
    std::uint32_t cbSize = 36;
    std::uint32_t dwFlags = 0;
    std::uint32_t nToolBarId = 129;
};

// The main window's owner: all run-time state of the program and the handlers of its messages.
// The Qt window that shows it forwards its events here and carries out what it is asked for
// through the services.
class CDlgMain {
public:
    explicit CDlgMain(const MainServices& services);
    ~CDlgMain();

    CDlgMain(const CDlgMain&) = delete;
    CDlgMain& operator=(const CDlgMain&) = delete;

    // Start-up and teardown.
    void OnInitDialog();
    void OnDestroy();

    // Settings: the first-run step, and the load that the window takes as a whole.
    void InitDefaultSettings();
    void LoadSettings();
    void ApplySettings(const SettingsRecord& settings);

    // The session controller.
    void StartCountdown();
    void StopSession();
    void OnGoStop();
    void OnResumeSession();
    void OnTimer(unsigned int timerId);
    // A starting session's time origin: a fresh session starts at 0 with an empty log, a
    // resumed one where the live log ended, so its minutes continue the loaded ones.
    void SetSessionOrigin();
    // Rewrites the auto-save file with the live log. A failure is told once per run of
    // failures, after the handler that met it has returned, so no box holds up the timers.
    void AutoSave();

    // The auto-save file in the save folder (AutoSaveFilePath).
    std::string AutoSavePath() const;

    // Battery log files: the live log written to `path`, or `path` read into the log that
    // m_nLoadTarget names; each shows its own failure message and returns whether it succeeded.
    bool WriteLogFile(const std::string& path);
    bool ReadLogFile(const std::string& path);

    // The graph. OnPaint is the paint handler: the start-up minimise check, then the whole
    // picture on the erased window. RedrawGraphNow draws it at once over what the window
    // shows. Both read the members through MakeGraphInput at the moment they draw.
    void OnPaint(IGraphPicture& picture);
    void RedrawGraphNow(IGraphPicture& picture) const;
    GraphInput MakeGraphInput() const;
    // Minimises the window at the first paint when so configured; true when it did.
    bool OnPaintMinimizeCheck();

    // Commands of the menu bar, the button and the notification icon. About and Options are
    // boxes of the window itself; the window calls OnOptionsClosed when the sheet has closed.
    bool OnCommand(unsigned int id);
    void OnNotifyIcon(unsigned int iconId, unsigned int mouseEvent);
    void OnExit();
    // The window's close button: what Exit asks while a session or the countdown runs, and
    // the end at once when nothing does.
    void OnClose();
    void OnMinimize();
    void OnOptionsClosed();
    // Every way out of the program ends what is active first, so no power override outlives it.
    void EndActiveBeforeQuit();

    // Power settings for a session: 1 overrides the suspend timeout, 0 restores it.
    void OverrideSuspendTimeout(BOOL bOverride);
    // Puts back a suspend timeout that an earlier run left switched off (start-up).
    void RestoreLeftSuspendTimeout();

    CSettingsStore& SettingsStore() { return m_settings; }
    const MainServices& Services() const { return m_services; }

    // Run-time state, in declaration order of the window's data.
    unsigned int m_nMonitorTimer = 0;
    bool m_bAutoStartMode = false;
    std::string m_strSavePath;
    DWORD m_dwSavedSuspendTimeout = 0;
    BOOL m_bMinimizePending = 1;
    bool m_bIgnorePowerOff = false;
    bool m_bMinimizeOnStart = false;
    std::int32_t m_nAutoPowerOffAt = 0;
    bool m_bAutoPowerOff = false;
    COLORREF m_crGrid1 = 0;
    COLORREF m_crGrid2 = 0;
    COLORREF m_crGrid3 = 0;
    COLORREF m_crRef1 = 0;
    COLORREF m_crRef2 = 0;
    COLORREF m_crRef3 = 0;
    COLORREF m_crSess = 0;
    COLORREF m_crStatus = 0;
    std::int32_t m_nLastStatusMinute = 0;
    std::int32_t m_nMinEstimateSamples = 2;
    bool m_bShowEstimations = false;
    std::int32_t m_nLoadTarget = kLoadTargetNone;
    bool m_bAutoSave = false;
    bool m_bShowDetailedGrid = false;
    std::string m_strStatus;
    NotifyIconRecord m_nid;
    std::array<bool, 3> m_bShowRef{};
    bool m_bShowHGrid = false;
    bool m_bShowVGrid = false;
    MenuBarRecord m_mbi;
    std::int32_t m_nCountdown = 0;
    unsigned int m_nCountdownTimer = 0;
    std::int32_t m_nLastPercent = 0;
    std::int32_t m_nSessionSeconds = 0;
    unsigned int m_nSessionTimer = 0;
    BatteryLog m_log;
    std::array<BatteryLog, 3> m_ref{};
    std::int32_t m_nScaleHours = 7;
    std::int32_t m_nGraphBottom = 228;
    std::int32_t m_nGraphTop = 37;
    std::int32_t m_nGraphRight = 235;
    std::int32_t m_nGraphLeft = 30;
    CGoButton m_btnGo;
    int m_hIcon = 128;  // the program icon resource

    // Where m_nSessionSeconds is read from at each session tick.
    SessionClock m_sessionClock;
    // The automatic power-off was sent: no session starts by itself until A/C power is seen,
    // so a machine that stays up keeps the finished session and its auto-save file.
    BOOL m_bPowerOffSent = 0;

private:
    LogFileCommands FileCommands();
    void ToggleView(bool& flag, FlagSetting setting);
    void SetTimeScale(int hours);
    // Runs `call` once the handler now running has returned, unless this object is gone.
    void PostToSelf(std::function<void(CDlgMain&)> call);

    MainServices m_services;
    CSettingsStore m_settings;
    SuspendTimeoutOverride m_suspendOverride{m_services.registry, m_services.suspendInhibitor,
                                             m_services.suspendJournal};
    bool m_bAutoSaveFailing = false;      // the last auto-save of this session failed
    bool m_bAutoSaveFailureTold = false;  // its message waits to be shown or is open
    std::shared_ptr<CDlgMain*> m_postTarget = std::make_shared<CDlgMain*>(this);
};

}  // namespace torvane
