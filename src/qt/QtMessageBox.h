// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/IMessageBox.h"

class QWidget;

namespace torvane {

// Message boxes titled "Torvane" over their owner window. Each runs its own event loop, so the
// window's timers go on ticking while it is open. The main window's boxes are plain; an Options
// page's, telling why an entry cannot be taken, carry the desktop's warning sign.
class QtMessageBox : public IMessageBox {
public:
    enum class Look { Plain, Warning };

    explicit QtMessageBox(QWidget* owner, Look look = Look::Plain) : m_owner(owner), m_look(look) {}
    // For an owner made after its boxes' service, as the Options sheet is.
    void SetOwner(QWidget* owner) { m_owner = owner; }
    MessageAnswer Show(const std::string& text, MessageButtons buttons) override;

private:
    QWidget* m_owner;
    Look m_look;
};

}  // namespace torvane
