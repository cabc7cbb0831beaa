// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/ProgramResources.h"

#include <QtGlobal>

#include <mutex>

// Qt's registration functions are declared outside any namespace.
static void RegisterProgramResources() {
    Q_INIT_RESOURCE(torvane);
    Q_INIT_RESOURCE(torvane_font);
}

namespace torvane {

void UseProgramResources() {
    static std::once_flag registered;
    std::call_once(registered, RegisterProgramResources);
}

}  // namespace torvane
