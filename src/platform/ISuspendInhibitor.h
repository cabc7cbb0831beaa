// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace torvane {

// Keeps the machine from suspending while held (a logind idle:sleep block on Linux).
class ISuspendInhibitor {
public:
    virtual ~ISuspendInhibitor() = default;
    virtual void Acquire() = 0;
    virtual void Release() = 0;
};

}  // namespace torvane
