// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenuBar>
#include <functional>
#include <map>

#include "session/MenuModel.h"

class QAction;
class QMenu;

namespace torvane {

class CDlgMain;

// The menu bar at the bottom of the main window. Built from the menu model; every time a menu
// is about to open its marks, texts and enabled states are recomputed from the window's owner.
// Its menus open upwards, above the bar, and their submenus upwards from their item, wherever
// the window sits: a compositor need not flip a menu that would leave the screen.
class MainMenuBar : public QMenuBar {
    Q_OBJECT
public:
    // `onCommand` receives every command chosen (the owner handles most; About and Options are
    // the window's own boxes).
    MainMenuBar(CDlgMain& dlg, std::function<void(unsigned int)> onCommand,
                QWidget* parent = nullptr);

    QAction* ActionFor(unsigned int id) const;
    QMenu* TopMenu(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* BuildMenu(const QString& title, const std::vector<MenuItem>& items);
    void ApplyStates();

    CDlgMain& m_dlg;
    std::function<void(unsigned int)> m_onCommand;
    std::multimap<unsigned int, QAction*> m_actions;
    std::vector<QMenu*> m_topMenus;
};

}  // namespace torvane
