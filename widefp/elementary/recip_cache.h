// recip_cache.h -- layout of the reciprocal cache shared by the logarithm, the
// power and the arctangent, and the entry checks of the functions that use it.
#ifndef WIDEFP_ELEMENTARY_RECIP_CACHE_H
#define WIDEFP_ELEMENTARY_RECIP_CACHE_H

#include <cstdint>

#include "widefp.h"

namespace widefp::detail {

// 500 rows of n words (n = p+2, a working array of precision p+1).  Row j-1
// holds 1/(2j-1) for j = 1..499, filled on first use; word 0 of row 0 (the
// integer word of 1/1) is 0 until the cache has been initialised.  The last
// row is never filled: its word 0 records the row length the cache was built
// for, tagged, so that a cache reused at another precision is recognised.
constexpr uint64_t kCacheRows = 500;
constexpr uint64_t kCacheTag = 0x5243000000000000ULL;  // "RC", row length in the low bits

inline uint64_t *cache_tag_word(uint64_t *cache, uint64_t n) { return cache + (kCacheRows - 1) * n; }

// Ends in widefp_fatal("widefp:cache") when an initialised cache was built for
// rows of another length than n.
inline void require_cache_rows(const uint64_t *cache, uint64_t n, const char *text) {
    if (cache[0] != 0 && cache[(kCacheRows - 1) * n] != (kCacheTag | n)) widefp_fatal("widefp:cache", text);
}

// The row of 1/(2k-1) for working arrays of n words, of which the first m
// (2 <= m <= n) are needed: a cache row, filled in full on first use, or for
// k >= 500 the first m words computed into spare.  Initialises the cache.
const uint64_t *reciprocal_row(uint64_t *cache, uint64_t k, uint64_t n, uint64_t m, uint64_t *spare);

// out (n words) = sum of s^i/(2i+1) for i = 0..N, s = t^2 (sign 1) or -t^2
// (sign -1), t a widereal below 1/2 with unbiased exponent E, by Horner's
// rule from the innermost term.  A partial sum that later products scale
// down by t^(2i) is formed on only the words that can still reach the last
// word of out.  Sum below 2.
void reciprocal_series(uint64_t *out, const uint64_t *t, int64_t E, int64_t N, uint64_t *cache, int sign,
                       uint64_t n);

}  // namespace widefp::detail

#endif
