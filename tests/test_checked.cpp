// test_checked.cpp -- the library's precondition checks are live in the checked (sanitizer) build.
#include <gtest/gtest.h>

#include <vector>

#include "widefp.h"

#ifdef WIDEFP_CHECKED
TEST(Checked, ViolatedPreconditionsAbortWithTheirCondition) {
    std::vector<uint64_t> x(3), r(3), work(64);
    widefp_float_dtowr(x.data(), 2.0, 2);
    EXPECT_DEATH(widefp_float_sqrt(r.data(), x.data(), 1, work.data()), "internal check failed: p >= 2");
    EXPECT_DEATH(widefp_array_idiv(r.data(), x.data(), 0, 2, work.data()), "internal check failed: d != 0");
}
#else
TEST(Checked, ViolatedPreconditionsAbortWithTheirCondition) { GTEST_SKIP() << "WIDEFP_CHECKED is off"; }
#endif

