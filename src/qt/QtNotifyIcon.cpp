// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtNotifyIcon.h"

#include <QSystemTrayIcon>

#include "qt/ProgramIcon.h"

namespace torvane {

QtNotifyIcon::QtNotifyIcon(std::function<void()> onTap) : m_onTap(std::move(onTap)) {}

QtNotifyIcon::~QtNotifyIcon() = default;

void QtNotifyIcon::Add() {
    if (m_icon || !QSystemTrayIcon::isSystemTrayAvailable()) {
        return;
    }
    m_icon = std::make_unique<QSystemTrayIcon>(ProgramIcon());
    m_icon->setToolTip(QStringLiteral("Torvane"));
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger && m_onTap) {
                             m_onTap();
                         }
                     });
    m_icon->show();
}

void QtNotifyIcon::Remove() {
    m_icon.reset();
}

bool QtNotifyIcon::Available() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return false;
    }
    Add();  // a tray that came after start-up
    return m_icon && m_icon->isVisible();
}

}  // namespace torvane
