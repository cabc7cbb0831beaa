#pragma once

#include "platform/IMessageBox.h"

class QWidget;

namespace torvane {

// The warning an Options page shows when an entry cannot be taken: the desktop's standard
// warning box, titled "Torvane", over the sheet.
class OptionsMessageBox : public IMessageBox {
public:
    void SetOwner(QWidget* owner) { m_pOwner = owner; }
    MessageAnswer Show(const std::string& text, MessageButtons buttons) override;

private:
    QWidget* m_pOwner = nullptr;
};

}  // namespace torvane
