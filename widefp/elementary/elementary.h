// elementary.h -- limits and small helpers shared by the elementary functions.
#ifndef WIDEFP_ELEMENTARY_ELEMENTARY_H
#define WIDEFP_ELEMENTARY_ELEMENTARY_H

#include <cstdint>

#include "kernel/internal.h"

namespace widefp::elem {

using namespace widefp::detail;

// Largest precision of an elementary function: the series run at p+1 words
// on working arrays of p+2 words, and the stack arrays hold 1,026 words.
constexpr uint64_t kMaxPrecision = 1023;
constexpr uint64_t kMaxWords = kMaxPrecision + 3;  // 1,026

// Unbiased exponent of a word 0, sign ignored (zero gives a large negative).
inline int64_t unbiased(uint64_t w0) {
    return static_cast<int64_t>(w0 & kExpMask) - static_cast<int64_t>(kBias);
}

// Number of leading zero words of the n-word array a.
inline uint64_t leading_zero_words(const uint64_t *a, uint64_t n) {
    uint64_t z = 0;
    while (z < n && a[z] == 0) ++z;
    return z;
}

// -1, 0 or 1 as |r| is below, equal to or above c at precision P; r
// nonzero, c a positive constant.
inline int compare_magnitude(const uint64_t *r, const uint64_t *c, uint64_t P) {
    const uint64_t er = r[0] & kExpMask;
    if (er != c[0]) return er < c[0] ? -1 : 1;
    for (uint64_t j = 1; j <= P; ++j)
        if (r[j] != c[j]) return r[j] < c[j] ? -1 : 1;
    return 0;
}

// Ends in widefp_fatal("widefp:range", ...) unless 1 <= p <= max; `who`
// names the function in the message.
void check_precision(const char *who, uint64_t p, uint64_t max = kMaxPrecision);

// The reduction step of the exponential (mode 2), sine and cosine (mode 3):
// W = |x| widened to precision p+1 in work words 0..p+1, R = its reduction in
// words p+2..2p+4 (*k the multiple); returns the quadrant.
int reduce_magnitude(const uint64_t *x, uint64_t p, uint64_t *work, int mode, int64_t *k);

}  // namespace widefp::elem

#endif
