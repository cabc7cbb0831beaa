// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/ProgramIcon.h"

#include <QString>

#include "platform/ApplicationId.h"
#include "qt/ProgramResources.h"

namespace torvane {

QIcon ProgramIcon() {
    UseProgramResources();
    const QString id =
        QString::fromLatin1(kApplicationId.data(), static_cast<qsizetype>(kApplicationId.size()));
    return QIcon::fromTheme(id, QIcon(QStringLiteral(":/torvane/icon.png")));
}

}  // namespace torvane
