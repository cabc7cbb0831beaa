// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/CDlgOptions.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "options/OptionsPageWidget.h"
#include "options/logic/CDlgColors.h"
#include "options/logic/CDlgGeneralCfg.h"
#include "options/logic/CDlgSessionCfg.h"
#include "options/logic/CDlgViewOptions.h"
#include "options/logic/PageTemplates.h"
#include "options/logic/StartupShortcutStep.h"
#include "qt/ProgramResources.h"
#include "qt/QtMessageBox.h"

namespace torvane {

namespace {

// The pages are laid out for the 240 x 320 window: their dialog font is about 11 pixels.
constexpr int kPageFontPixels = 11;

OptionsPageWidget::BehaviourFactory BehaviourFor(int templateId, const CSettingsStore& store,
                                                 IStartupShortcut& shortcut) {
    return
        [templateId, &store, &shortcut](IPageControls& controls) -> std::unique_ptr<COptionsPage> {
            switch (templateId) {
                case kColorsPage:
                    return std::make_unique<CDlgColors>(store, controls);
                case kViewPage:
                    return std::make_unique<CDlgViewOptions>(store, controls);
                case kSessionsPage:
                    return std::make_unique<CDlgSessionCfg>(store, controls);
                default:
                    return std::make_unique<CDlgGeneralCfg>(store, shortcut, controls);
            }
        };
}

}  // namespace

CDlgOptions::CDlgOptions(QWidget* parent, const CSettingsStore& store, IStartupShortcut& shortcut,
                         IMessageBox& messages, int startPage)
    : QDialog(parent) {
    UseProgramResources();
    setWindowTitle(QStringLiteral("Options"));
    QFont pageFont = font();
    pageFont.setPixelSize(kPageFontPixels);
    setFont(pageFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_pTabs = new QTabWidget(this);
    // Every tab stays in view; the sheet widens a little if the captions need it.
    m_pTabs->setUsesScrollButtons(false);
    m_pTabs->setElideMode(Qt::ElideNone);
    layout->addWidget(m_pTabs);
    for (int templateId : kOptionsPageOrder) {
        const PageTemplate& pageTemplate = GetPageTemplate(templateId);
        auto* page = new OptionsPageWidget(pageTemplate, BehaviourFor(templateId, store, shortcut),
                                           messages, m_pTabs);
        connect(page, &OptionsPageWidget::closeRequested, this, &QDialog::reject);
        m_pTabs->addTab(page, QString::fromUtf8(pageTemplate.title));
    }
    m_pTabs->setCurrentIndex(startPage);
}

CDlgOptions::~CDlgOptions() = default;

OptionsPageWidget* CDlgOptions::Page(int index) const {
    return qobject_cast<OptionsPageWidget*>(m_pTabs->widget(index));
}

int RunOptionsSheet(QWidget* parent, CSettingsStore& store, IStartupShortcut& shortcut) {
    QtMessageBox messages(nullptr, QtMessageBox::Look::Warning);
    CDlgOptions sheet(parent, store, shortcut, messages);
    messages.SetOwner(&sheet);
    return sheet.exec();
}

int RunOptionsSheet(QWidget* parent, CSettingsStore& store, StartupShortcut& shortcut) {
    StartupShortcutStep step(shortcut);
    return RunOptionsSheet(parent, store, static_cast<IStartupShortcut&>(step));
}

}  // namespace torvane
