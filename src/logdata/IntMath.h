// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <limits>

// 32-bit arithmetic that cannot overflow: the exact result whenever it fits in 32 bits,
// otherwise the nearest 32-bit value. Values read from files may be absurd; these keep the
// ordinary results and make the absurd ones harmless.
namespace torvane::intmath {

__extension__ using Wide = __int128;

inline std::int32_t Saturate(Wide v) {
    if (v > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (v < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(v);
}

inline std::int32_t Add(std::int32_t a, std::int32_t b) {
    return Saturate(Wide{a} + b);
}
inline std::int32_t Sub(std::int32_t a, std::int32_t b) {
    return Saturate(Wide{a} - b);
}
inline std::int32_t Mul(std::int32_t a, std::int32_t b) {
    return Saturate(Wide{a} * b);
}

// (a x b) / c with the product formed in full before the division, which truncates toward
// zero. The divisor must not be 0.
inline std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    return Saturate((Wide{a} * b) / c);
}

}  // namespace torvane::intmath
