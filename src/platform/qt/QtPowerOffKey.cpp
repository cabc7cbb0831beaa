#include "platform/qt/QtPowerOffKey.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace torvane {

void QtPowerOffKey::KeyEvent(std::uint8_t virtualKey, std::uint32_t flags) {
    m_events.emplace_back(virtualKey, flags);
    if (virtualKey != VK_OFF) {
        return;
    }
    if ((flags & KEYEVENTF_KEYUP) == 0) {
        m_bOffKeyDown = true;
        return;
    }
    if (m_bOffKeyDown) {
        m_bOffKeyDown = false;
        if (m_powerOff) {
            m_powerOff();
        }
    }
}

bool RunPowerOffCommand(const std::string& commandLine) {
    return QProcess::startDetached(QStringLiteral("/bin/sh"),
                                   {QStringLiteral("-c"), QString::fromStdString(commandLine)});
}

}  // namespace torvane
