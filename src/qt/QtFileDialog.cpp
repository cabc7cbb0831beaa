// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtFileDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace torvane {

QStringList NameFiltersOf(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;  // the closing "||"
        }
        QString name = parts[i];
        if (!name.contains(QLatin1Char('('))) {
            name += QStringLiteral(" (") + QString(parts[i + 1]).replace(';', ' ') + ')';
        }
        names << name;
    }
    return names;
}

std::optional<std::string> QtFileDialog::Run(const FileDialogOptions& options) {
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(options.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(options.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFiltersOf(options.filter));
    dialog.setDefaultSuffix(QString::fromStdString(options.defaultExt).toLower());
    if (!options.overwritePrompt) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    if (!m_startFolder.isEmpty()) {
        dialog.setDirectory(m_startFolder);
    }
    // A pattern such as "*.BLF" is already the filter; only a plain name is offered.
    if (!options.initialName.empty() && options.initialName.find('*') == std::string::npos) {
        dialog.selectFile(QString::fromStdString(options.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace torvane
