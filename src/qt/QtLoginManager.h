// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ILoginManager.h"

namespace torvane {

// systemd-logind over the system bus (org.freedesktop.login1.Manager).
class QtLoginManager : public ILoginManager {
public:
    int Inhibit(const std::string& what, const std::string& who, const std::string& why,
                const std::string& mode) override;
};

}  // namespace torvane
