#include "options/OptionsMessageBox.h"

#include <QMessageBox>
#include <QString>

namespace torvane {

MessageAnswer OptionsMessageBox::Show(const std::string& text, MessageButtons buttons) {
    const bool question = buttons == MessageButtons::YesNo;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Torvane"), QString::fromStdString(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_pOwner);
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
