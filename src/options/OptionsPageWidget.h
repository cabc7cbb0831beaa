// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QWidget>

#include "options/logic/COptionsPage.h"
#include "options/logic/IPageControls.h"
#include "options/logic/PageTemplates.h"
#include "platform/IMessageBox.h"

namespace torvane {

// One page of the Options sheet: the controls of its template at their places, its picture and
// painted heading, and its behaviour (a COptionsPage) to which it passes the user's clicks,
// the edit fields' loss of focus and the Apply button. It reads the store the first time it is
// shown, not before, so a page the user never opens is never read or written.
class OptionsPageWidget : public QWidget, public IPageControls {
    Q_OBJECT
public:
    using BehaviourFactory = std::function<std::unique_ptr<COptionsPage>(IPageControls&)>;

    OptionsPageWidget(const PageTemplate& pageTemplate, const BehaviourFactory& makeBehaviour,
                      IMessageBox& messages, QWidget* parent = nullptr);
    ~OptionsPageWidget() override;

    const PageTemplate& Template() const { return m_template; }
    // The control with this identifier, or nothing.
    QWidget* Control(int id) const;
    bool IsInitialised() const { return m_bInitialised; }

    // IPageControls
    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    std::string GetText(int id) const override;
    void SetText(int id, const std::string& text) override;
    void EnableControl(int id, bool enable) override;
    void FocusControl(int id) override;
    COLORREF GetColour(int id) const override;
    void SetColour(int id, COLORREF colour) override;
    void ShowMessage(const std::string& text) override;

    QSize sizeHint() const override;

signals:
    // The page's Close button: the sheet ends as when cancelled, storing nothing.
    void closeRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();

    const PageTemplate& m_template;
    IMessageBox& m_messages;
    std::unique_ptr<COptionsPage> m_pBehaviour;
    std::map<int, QWidget*> m_controls;
    bool m_bInitialised = false;
    bool m_bInFocusOut = false;  // a control's leaving is being handled
    bool m_bDisabling = false;   // a control is being disabled
};

}  // namespace torvane
