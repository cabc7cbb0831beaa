// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "graph/GraphInput.h"
#include "graph/IGraphPicture.h"
#include "session/MainServices.h"
#include "session/MenuModel.h"
#include "session/SessionController.h"
#include "settings/CSettingsStore.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsTable.h"

namespace torvane {

// The main window's owner: the settings it works with, the graph's view of them, and the
// handlers of the window's messages. The session itself is the SessionController it owns. The
// Qt window that shows it forwards its events here and carries out what it is asked for
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

    // The settings load that the window takes as a whole.
    void LoadSettings();

    // The session's handlers; the countdown's start and the stop are the session's own.
    void OnGoStop() { m_session.OnGoStop(); }
    void OnResumeSession() { m_session.OnResumeSession(); }
    void OnTimer(unsigned int timerId) { m_session.OnTimer(timerId); }

    // The graph. OnPaint is the paint handler: the start-up minimise check, then the whole
    // picture on the erased window. RedrawGraphNow draws it at once over what the window
    // shows. Both read the window's state through MakeGraphInput at the moment they draw.
    void OnPaint(IGraphPicture& picture);
    void RedrawGraphNow(IGraphPicture& picture) const;
    GraphInput MakeGraphInput() const;

    // Commands of the menu bar, the button and the notification icon. About and Options are
    // boxes of the window itself; the program calls OnOptionsClosed when the sheet has closed.
    bool OnCommand(unsigned int id);
    void OnNotifyIcon(unsigned int iconId, unsigned int mouseEvent);
    void OnExit();
    // The window's close button: what Exit asks while a session or the countdown runs, and
    // the end at once when nothing does.
    void OnClose();
    void OnOptionsClosed();
    // Every way out of the program ends what is active first, so no power override outlives it.
    void EndActiveBeforeQuit() { m_session.EndActiveBeforeQuit(); }

    // Check marks, enabled states and the session item's text for the menus as they open.
    MenuStates ComputeMenuStates() const;

    CSettingsStore& SettingsStore() { return m_settings; }
    const SessionController& Session() const { return m_session; }

private:
    // The first-run step.
    void InitDefaultSettings();
    // "Run in background", the Minimize button and the minimise at start.
    void OnMinimize();
    // Minimises the window at the first paint when so configured; true when it did.
    bool OnPaintMinimizeCheck();
    void ToggleView(bool& flag, FlagSetting setting);
    void SetTimeScale(int hours);

    MainServices m_services;
    CSettingsStore m_settings;
    // The in-memory copy of the settings as last loaded; the View menu changes its switches
    // and its time scale as it stores them.
    SettingsRecord m_settingsRecord;
    // The first paint minimises the window; cleared by a settings load without
    // "MinimizeOnStart" and by that paint.
    bool m_bMinimizePending = true;
    SessionController m_session;
};

}  // namespace torvane
