// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <utility>

#include "platform/IFileDialog.h"

class QWidget;

namespace torvane {

// The open and save file dialogs over the main window. Each runs its own event loop, so the
// window's timers go on ticking while it is open. Returns host paths.
class QtFileDialog : public IFileDialog {
public:
    QtFileDialog(QWidget* owner, QString startFolder)
        : m_owner(owner), m_startFolder(std::move(startFolder)) {}
    std::optional<std::string> Run(const FileDialogOptions& options) override;

private:
    QWidget* m_owner;
    QString m_startFolder;
};

// "Battery Log Files (*.blf)|*.blf|All Files (*.*)|*.*||" as the dialog's name filters: the
// description of each pair.
QStringList NameFiltersOf(const std::string& filter);

}  // namespace torvane
