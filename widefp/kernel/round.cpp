// Rounding of a truncated widereal result by its guard word: nearest, toward +inf, toward -inf, chop.
#include "widefp.h"
#include "kernel/internal.h"

using namespace widefp::detail;

namespace {

// A zero grows into the smallest magnitude of its sign plus u - 1 units.
inline void widefp_float_round_zero(uint64_t *x, uint64_t u, uint64_t p) {
    x[0] = (x[0] & kSign) | 1;
    for (uint64_t j = 1; j < p; ++j) x[j] = 0;
    x[p] = u - 1;
}

// The fraction wrapped around: one more in the exponent, unless x is
// already infinite.
inline void widefp_float_round_overflow(uint64_t *x) {
    if ((x[0] & kExpMask) != kExpMask) x[0] += 1;
}

// Adds u (1 or 2) units to the magnitude of x.
void widefp_float_round_up(uint64_t *x, uint64_t u, uint64_t p) {
    WIDEFP_ASSERTD(p >= 1 && (u == 1 || u == 2));
    if ((x[0] & kExpMask) == 0) {
        widefp_float_round_zero(x, u, p);
        return;
    }
    uint64_t j = p;
    const uint64_t w = x[j] + u;
    bool carry = w < u;
    x[j] = w;
    while (carry && --j >= 1) carry = ++x[j] == 0;
    if (carry) widefp_float_round_overflow(x);
}

inline uint64_t units(uint64_t g) { return g == kSaturated ? 2 : 1; }

}  // namespace

extern "C" void widefp_float_round_near(uint64_t *x, uint64_t g, uint64_t p) {
    if (g > kHalf) {
        widefp_float_round_up(x, 1, p);
    } else if (g == kHalf) {
        // A tie goes to the even neighbour.  A zero
        // (an underflowed result exactly halfway to the smallest magnitude)
        // stays zero, and its fraction words are not read.
        if ((x[0] & kExpMask) != 0 && (x[p] & 1)) widefp_float_round_up(x, 1, p);
    }
}

extern "C" void widefp_float_round_plus(uint64_t *x, uint64_t g, uint64_t p) {
    if (g == 0 || (x[0] & kSign)) return;
    widefp_float_round_up(x, units(g), p);
}

extern "C" void widefp_float_round_minus(uint64_t *x, uint64_t g, uint64_t p) {
    if (g == 0 || !(x[0] & kSign)) return;
    widefp_float_round_up(x, units(g), p);
}

extern "C" void widefp_float_round_chop(uint64_t *, uint64_t, uint64_t) {}
