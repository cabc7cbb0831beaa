// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "logdata/BatteryEstimate.h"
#include "logdata/IntMath.h"

// A log file may hold any 32-bit values; they are loaded as stored. Whatever later computes
// with a loaded log (the status estimate, the estimation lines, the resumed clock) must stay
// defined for all of them, and keep its meaning: the exact result where it fits in 32 bits, the
// nearest one where it does not. The sanitizer build turns any overflow here into a failure.
namespace torvane {
namespace {

const std::vector<std::int32_t> kExtremes = {INT_MIN, INT_MIN + 1, -100, -1,          0,      1,
                                             59,      60,          100,  INT_MAX - 1, INT_MAX};

using intmath::Wide;

// What 32 bits can hold of an exact result: the result itself, or the nearest value.
std::int32_t Nearest(Wide exact) {
    return static_cast<std::int32_t>(std::clamp<Wide>(exact, INT_MIN, INT_MAX));
}

// The minutes a "%d:%.2dh" text stands for; a text of another shape gives a value no 32-bit
// count of minutes has.
Wide MinutesIn(const std::string& text) {
    int hours = 0;
    int minutes = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%d:%d%c", &hours, &minutes, &end) != 3 || end != 'h' ||
        minutes <= -60 || minutes >= 60) {
        return Wide{INT_MAX} + 1;
    }
    return Wide{hours} * 60 + minutes;
}

TEST(AbsurdLogValues, GiveTheExactResultOrTheNearestOneThatFits) {
    for (std::int32_t a : kExtremes) {
        // The resumed clock: 60 seconds for every minute of the last sample.
        EXPECT_EQ(intmath::Mul(60, a), Nearest(Wide{60} * a)) << a;
        // Any count of minutes is shown as hours and minutes that add up to it.
        EXPECT_EQ(MinutesIn(FormatHoursMinutes(a)), a) << FormatHoursMinutes(a);

        for (std::int32_t b : kExtremes) {
            StatusEstimateInput in;
            in.p = b;
            in.tNow = a;
            in.tLast = b;
            in.p0 = a;
            in.n = 3;
            // While the reading is not below the first sample, the start counts as 100 %; the
            // drop from there is itself a 32-bit value.
            const Wide start = a > b ? a : 100;
            const Wide drop = Nearest(start - b);
            const auto estimate = ComputeStatusEstimate(in);
            ASSERT_EQ(estimate.has_value(), drop > 0) << a << " " << b;
            if (estimate) {
                EXPECT_EQ(estimate->lifeMinutes, Nearest(Wide{b} * 100 / drop)) << a << " " << b;
                EXPECT_EQ(estimate->leftMinutes, Nearest(Wide{b} * start / drop - a))
                    << a << " " << b;
            }

            // The estimation line ends on the time axis inside the scale, or on its right
            // edge; only a flat line has no end.
            for (std::int32_t c : {INT_MIN, 0, 100, INT_MAX}) {
                for (const auto& [m0, p0, mn, pn] :
                     {std::array<std::int32_t, 4>{a, b, c, a}, {0, a, b, c}}) {
                    const auto end = EstimationEndPoint(m0, p0, mn, pn, 7 * 60);
                    ASSERT_EQ(end.has_value(), p0 != pn) << m0 << " " << p0 << " " << mn;
                    if (end) {
                        EXPECT_LE(end->minutes, 7 * 60);
                        if (end->minutes < 7 * 60) {
                            EXPECT_EQ(end->percent, 0) << m0 << " " << p0 << " " << mn;
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace torvane
