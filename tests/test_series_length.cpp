// Series lengths: stored tables against the rule, sample rows, early zeros, bad exponents.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using Fn = int64_t (*)(uint64_t, int64_t);
struct Series {
    const char *name;
    Fn lookup, calc;
};
const Series kSeries[] = {
    {"sin", widefp_taylor_tranc_sin, widefp_taylor_tranc_sin_calc},
    {"cos", widefp_taylor_tranc_cos, widefp_taylor_tranc_cos_calc},
    {"exp", widefp_taylor_tranc_exp, widefp_taylor_tranc_exp_calc},
    {"log", widefp_taylor_tranc_log, widefp_taylor_tranc_log_calc},
    {"atan", widefp_taylor_tranc_atan, widefp_taylor_tranc_atan_calc},
};

// Early zero of the lookup functions, tested before any table.
bool early_zero(int which, uint64_t p, int64_t e) {
    const int64_t ip = static_cast<int64_t>(p);
    switch (which) {
        case 0:
        case 1: return e < -32 * ip;
        case 2: return e < -2 - 64 * ip;
        case 3: return 0.8774437510817346 - 32.0 * static_cast<double>(p) > static_cast<double>(e);
        default: return e <= -2 - 32 * ip;
    }
}

TEST(SeriesLength, LookupEqualsRuleAtEveryStoredAndComputedPrecision) {
    for (int s = 0; s < 5; ++s)
        for (uint64_t p = 1; p <= 170; ++p)
            for (int64_t e = -1; e >= -40; --e) {
                const int64_t col = e < -32 ? -32 : e;  // below -32 the last column stands
                const int64_t want = early_zero(s, p, e) ? 0 : kSeries[s].calc(p, p < 160 ? col : e);
                ASSERT_EQ(kSeries[s].lookup(p, e), want) << kSeries[s].name << " p=" << p << " e=" << e;
            }
}

TEST(SeriesLength, SampleRowsAndBoundaries) {
    const int64_t rows[3][5][6] = {
        {{9, 8, 6, 5, 4, 4}, {9, 8, 7, 6, 5, 4}, {19, 17, 14, 12, 10, 9}, {0, 30, 15, 10, 7, 6}, {0, 0, 14, 9, 7, 6}},
        {{15, 13, 11, 10, 9, 8}, {16, 14, 12, 10, 9, 8}, {31, 29, 24, 21, 19, 16}, {0, 61, 31, 20, 15, 12},
         {0, 0, 30, 20, 15, 12}},
        {{565, 531, 487, 449, 416, 388}, {565, 532, 487, 450, 417, 388}, {1112, 1065, 976, 900, 835, 778},
         {0, 5115, 2558, 1705, 1279, 1023}, {0, 0, 2556, 1704, 1278, 1022}},
    };
    const uint64_t ps[3] = {1, 2, 160};
    for (int r = 0; r < 3; ++r)
        for (int s = 0; s < 5; ++s)
            for (int c = 0; c < 6; ++c) {
                EXPECT_EQ(kSeries[s].lookup(ps[r], -1 - c), rows[r][s][c]) << kSeries[s].name << " p=" << ps[r];
                EXPECT_EQ(kSeries[s].calc(ps[r], -1 - c), rows[r][s][c]) << kSeries[s].name << " p=" << ps[r];
            }
    EXPECT_EQ(widefp_taylor_tranc_log(1, -32), 0);  // early zero ...
    EXPECT_EQ(widefp_taylor_tranc_log_calc(1, -32), 1);  // ... which the rule alone has not
    EXPECT_EQ(widefp_taylor_tranc_exp(1, -67), 0);
    EXPECT_EQ(widefp_taylor_tranc_exp(1, -66), widefp_taylor_tranc_exp_calc(1, -32));
    EXPECT_EQ(widefp_taylor_tranc_sin(10, -40), widefp_taylor_tranc_sin(10, -32));
    // Far below every threshold, and the largest precisions the library uses.
    EXPECT_EQ(widefp_taylor_tranc_sin_calc(1, INT64_MIN), 0);
    EXPECT_EQ(widefp_taylor_tranc_exp(1024, INT64_MIN), 0);
    EXPECT_GT(widefp_taylor_tranc_exp(1024, -1), widefp_taylor_tranc_exp(1023, -1));
}

TEST(SeriesLengthDeathTest, ExponentNotNegativeIsRefused) {
    for (const Series &s : kSeries) {
        EXPECT_EXIT(s.lookup(4, 0), testing::ExitedWithCode(1), "exponent 0 is not negative");
        EXPECT_EXIT(s.calc(200, 5), testing::ExitedWithCode(1), "exponent 5 is not negative");
        EXPECT_EXIT(s.calc(uint64_t{1} << 40, -1), testing::ExitedWithCode(1), "too large");
    }
}

}  // namespace
