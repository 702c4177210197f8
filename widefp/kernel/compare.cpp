// Ordering test of two widereal numbers.
#include "widefp.h"
#include "kernel/internal.h"

using namespace widefp::detail;

namespace {

// Signs differ: A < B exactly when A is the negative one (zeros included).
inline int widefp_float_lt_oddsign(const uint64_t *a) { return (a[0] & kSign) != 0; }

}  // namespace

extern "C" int widefp_float_lt(const uint64_t *a, const uint64_t *b, uint64_t p) {
    if ((a[0] ^ b[0]) & kSign) return widefp_float_lt_oddsign(a);
    // Same sign: compare magnitudes, in the reversed sense when negative.
    const uint64_t *x = a, *y = b;
    if (a[0] & kSign) {
        x = b;
        y = a;
    }
    const uint64_t ex = x[0] & kExpMask, ey = y[0] & kExpMask;
    if (ex != ey) return ex < ey;
    if (ex == 0) return 0;  // two zeros of the same sign
    for (uint64_t j = 1; j <= p; ++j)
        if (x[j] != y[j]) return x[j] < y[j];
    return 0;
}
