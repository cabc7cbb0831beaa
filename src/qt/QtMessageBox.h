#pragma once

#include "platform/IMessageBox.h"

class QWidget;

namespace torvane {

// Message boxes titled "Torvane" over the main window. Each runs its own event loop, so the
// window's timers go on ticking while it is open.
class QtMessageBox : public IMessageBox {
public:
    explicit QtMessageBox(QWidget* owner) : m_owner(owner) {}
    MessageAnswer Show(const std::string& text, MessageButtons buttons) override;

private:
    QWidget* m_owner;
};

}  // namespace torvane
