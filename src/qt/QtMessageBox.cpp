// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/QtMessageBox.h"

#include <QMessageBox>
#include <QString>

namespace torvane {

MessageAnswer QtMessageBox::Show(const std::string& text, MessageButtons buttons) {
    const bool question = buttons == MessageButtons::YesNo;
    QMessageBox box(m_look == Look::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QStringLiteral("Torvane"), QString::fromStdString(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_owner);
    if (question) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace torvane
