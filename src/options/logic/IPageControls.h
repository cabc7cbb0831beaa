// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace torvane {

// The controls of one Options page as its behaviour sees them: addressed by their control
// identifiers, the way the page's template names them. The widget that shows the page
// implements it; tests use a table of values.
class IPageControls {
public:
    virtual ~IPageControls() = default;

    virtual bool IsChecked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    // Texts are UTF-8.
    virtual std::string GetText(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual void EnableControl(int id, bool enable) = 0;
    // Moves the keyboard focus to the control and selects its text, so a wrong entry can be
    // typed over at once.
    virtual void FocusControl(int id) = 0;
    // The current colour of a colour picker.
    virtual COLORREF GetColour(int id) const = 0;
    virtual void SetColour(int id, COLORREF colour) = 0;
    // A modal warning over the page, with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace torvane
