// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace torvane {

// The shortcut that starts the program when the user logs in. The General page creates it when
// "Auto start after a soft reset" is switched on and deletes it when switched off.
class IStartupShortcut {
public:
    virtual ~IStartupShortcut() = default;
    // False when the shortcut could not be written; nobody is told.
    virtual bool Create() = 0;
    // Returns normally also when there is no shortcut or it cannot be removed.
    virtual void Delete() = 0;
};

}  // namespace torvane
