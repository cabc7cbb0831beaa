// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainMenuBar.h"

#include <QEvent>
#include <QMenu>

#include "session/CDlgMain.h"

namespace torvane {

MainMenuBar::MainMenuBar(CDlgMain& dlg, std::function<void(unsigned int)> onCommand,
                         QWidget* parent)
    : QMenuBar(parent), m_dlg(dlg), m_onCommand(std::move(onCommand)) {
    setNativeMenuBar(false);  // it belongs to the window, at its bottom edge
    for (const MenuBarButton& button : BuildMainMenuBar()) {
        if (button.dropDown) {
            QMenu* menu = BuildMenu(QString::fromStdString(button.caption), button.popup);
            addMenu(menu);
            m_topMenus.push_back(menu);
        } else {
            QAction* action = addAction(QString::fromStdString(button.caption));
            const unsigned int id = button.id;
            connect(action, &QAction::triggered, this, [this, id] { m_onCommand(id); });
            m_actions.emplace(id, action);
        }
    }
}

QMenu* MainMenuBar::BuildMenu(const QString& title, const std::vector<MenuItem>& items) {
    auto* menu = new QMenu(title, this);
    menu->installEventFilter(this);
    connect(menu, &QMenu::aboutToShow, this, &MainMenuBar::ApplyStates);
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu->addSeparator();
            continue;
        }
        if (!item.submenu.empty()) {
            menu->addMenu(BuildMenu(QString::fromStdString(item.text), item.submenu));
            continue;
        }
        QAction* action = menu->addAction(QString::fromStdString(item.text));
        action->setEnabled(!item.greyed);
        if (item.greyed) {
            continue;  // no handler behind it
        }
        const unsigned int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { m_onCommand(id); });
        m_actions.emplace(id, action);
    }
    return menu;
}

void MainMenuBar::ApplyStates() {
    const MenuStates states = m_dlg.ComputeMenuStates();
    for (const auto& [id, checked] : states.checked) {
        auto range = m_actions.equal_range(id);
        for (auto it = range.first; it != range.second; ++it) {
            it->second->setCheckable(true);
            it->second->setChecked(checked);
        }
    }
    for (const auto& [id, enabled] : states.enabled) {
        auto range = m_actions.equal_range(id);
        for (auto it = range.first; it != range.second; ++it) {
            it->second->setEnabled(enabled);
        }
    }
    if (QAction* session = ActionFor(cmd::kStartSession)) {
        session->setText(QString::fromStdString(states.sessionItemText));
    }
}

bool MainMenuBar::eventFilter(QObject* watched, QEvent* event) {
    // Placed before the menu's window appears, so a Wayland popup is made where it shows.
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr || event->type() != QEvent::Show) {
        return false;
    }
    int bottom = mapToGlobal(QPoint(0, 0)).y();  // a top menu ends on the bar
    for (QMenu* parent : findChildren<QMenu*>()) {
        if (parent != menu && parent->isVisible() &&
            parent->actions().contains(menu->menuAction())) {
            const QRect item = parent->actionGeometry(menu->menuAction());
            bottom = parent->mapToGlobal(item.bottomLeft()).y() + 1;  // a submenu, on its item
        }
    }
    menu->move(menu->x(), bottom - menu->height());
    return false;
}

QAction* MainMenuBar::ActionFor(unsigned int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* MainMenuBar::TopMenu(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_topMenus.size()
               ? m_topMenus[static_cast<std::size_t>(index)]
               : nullptr;
}

}  // namespace torvane
