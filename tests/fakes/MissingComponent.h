// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace torvane::test {

// True when every real component a test uses must be there (the README's test command sets
// TORVANE_REQUIRE_ALL=1), so a test that cannot find one fails instead of passing by skipping.
inline bool AllComponentsRequired() {
    const char* value = std::getenv("TORVANE_REQUIRE_ALL");
    return value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0;
}

}  // namespace torvane::test

// Skips the current test because `what` is missing from this machine, or fails it where every
// component is required.
#define TORVANE_SKIP_WITHOUT(what)                                                        \
    do {                                                                                  \
        if (::torvane::test::AllComponentsRequired()) {                                   \
            FAIL() << (what) << " is not available, and TORVANE_REQUIRE_ALL asks for it"; \
        }                                                                                 \
        GTEST_SKIP() << (what) << " is not available";                                    \
    } while (false)
