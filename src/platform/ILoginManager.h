// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// The system's login manager (systemd-logind) as far as inhibitor locks go.
class ILoginManager {
public:
    virtual ~ILoginManager() = default;
    // Takes an inhibitor lock; the result is an open descriptor that holds the lock until it is
    // closed, or -1 when there is no manager or it refused.
    virtual int Inhibit(const std::string& what, const std::string& who, const std::string& why,
                        const std::string& mode) = 0;
};

}  // namespace torvane
