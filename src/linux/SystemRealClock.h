// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/IRealClock.h"

namespace torvane {

// The kernel's CLOCK_REALTIME and CLOCK_BOOTTIME.
class SystemRealClock : public IRealClock {
public:
    RealTime Now() override;
};

}  // namespace torvane
