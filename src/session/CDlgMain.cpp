// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/CDlgMain.h"

#include "platform/INotifyIcon.h"
#include "platform/ITimers.h"
#include "platform/IWindowHost.h"
#include "session/MainGraphInput.h"

namespace torvane {

CDlgMain::CDlgMain(const MainServices& services)
    : m_services(services), m_settings(services.registry), m_session(services) {}

CDlgMain::~CDlgMain() = default;

void CDlgMain::OnInitDialog() {
    // The window exists: its three timers now arrive at the one timer handler. The window's
    // icons, its position and its menu bar are set by the window that shows this object.
    m_services.timers.SetHandler([this](unsigned int timerId) { OnTimer(timerId); });

    m_session.CaptionGo();

    // The icon stays in the notification area for the whole life of the window.
    m_services.notifyIcon.Add();

    InitDefaultSettings();

    m_session.Reset();
    m_bMinimizePending = true;

    LoadSettings();
    m_session.Begin();
}

void CDlgMain::OnDestroy() {
    m_services.notifyIcon.Remove();
}

void CDlgMain::InitDefaultSettings() {
    torvane::InitDefaultSettings(m_settings);
}

void CDlgMain::LoadSettings() {
    m_settingsRecord = torvane::LoadSettings(m_settings);
    if (!m_settingsRecord.m_bMinimizeOnStart) {
        m_bMinimizePending = false;
    }
    m_session.ApplySettings(m_settingsRecord);
}

GraphInput CDlgMain::MakeGraphInput() const {
    GraphInput in = torvane::MakeGraphInput(m_settingsRecord, m_session.Log(), m_session.Refs(),
                                            m_session.Status(), m_settingsRecord.m_nScaleHours);
    in.minEstimateSamples = m_session.MinEstimateSamples();
    return in;
}

bool CDlgMain::OnPaintMinimizeCheck() {
    if (!m_settingsRecord.m_bMinimizeOnStart || !m_bMinimizePending) {
        return false;
    }
    OnMinimize();
    m_bMinimizePending = false;
    return true;
}

void CDlgMain::OnPaint(IGraphPicture& picture) {
    OnPaintMinimizeCheck();
    picture.PaintErased(MakeGraphInput());
}

void CDlgMain::RedrawGraphNow(IGraphPicture& picture) const {
    picture.DrawOver(MakeGraphInput());
}

}  // namespace torvane
