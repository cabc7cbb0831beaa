#include <climits>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "logdata/BatteryEstimate.h"
#include "logdata/IntMath.h"

// A log file may hold any 32-bit values; they are loaded as stored. Whatever later computes
// with a loaded log (the status estimate, the estimation lines, the resumed clock) must stay
// defined for all of them; the sanitizer build turns any overflow here into a failure.
namespace torvane {
namespace {

const std::vector<std::int32_t> kExtremes = {INT_MIN, INT_MIN + 1, -100, -1,          0,      1,
                                             59,      60,          100,  INT_MAX - 1, INT_MAX};

TEST(AbsurdLogValues, KeepTheSharedArithmeticDefined) {
    for (std::int32_t a : kExtremes) {
        for (std::int32_t b : kExtremes) {
            // The resumed clock: 60 seconds for every minute of the last sample.
            const std::int32_t seconds = intmath::Mul(60, a);
            EXPECT_EQ(seconds / 60 == a, a >= INT_MIN / 60 && a <= INT_MAX / 60);
            EXPECT_FALSE(FormatHoursMinutes(a).empty());

            StatusEstimateInput in;
            in.p = b;
            in.tNow = a;
            in.tLast = b;
            in.p0 = a;
            in.n = 3;
            const auto estimate = ComputeStatusEstimate(in);
            if (estimate) {
                EXPECT_FALSE(FormatRunningStatus(in).empty());
            }
            for (std::int32_t c : {INT_MIN, 0, 100, INT_MAX}) {
                (void)EstimationEndPoint(a, b, c, a, 7 * 60);
                (void)EstimationEndPoint(0, a, b, c, 7 * 60);
            }
        }
    }
}

}  // namespace
}  // namespace torvane
