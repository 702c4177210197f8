// invadd.cpp -- the reciprocal cache: memoised odd reciprocals 1/(2k-1), added to working arrays and summed in series.
#include <cstring>

#include "elementary/elementary.h"
#include "elementary/recip_cache.h"
#include "widefp.h"

namespace widefp::detail {

const uint64_t *reciprocal_row(uint64_t *cache, uint64_t k, uint64_t n, uint64_t m, uint64_t *spare) {
    if (cache[0] == 0) {
        cache[0] = 1;
        std::memset(cache + 1, 0, (kCacheRows * n - 1) * sizeof(uint64_t));
        *cache_tag_word(cache, n) = kCacheTag | n;
    }
    if (k == 1) return cache;
    uint64_t z = 0;
    if (k >= kCacheRows) {
        widefp_array_idiv(spare, cache, 2 * k - 1, m, &z);
        return spare;
    }
    uint64_t *row = cache + (k - 1) * n;
    if (row[1] == 0) widefp_array_idiv(row, cache, 2 * k - 1, n, &z);
    return row;
}

void reciprocal_series(uint64_t *out, const uint64_t *t, int64_t E, int64_t N, uint64_t *cache, int sign,
                       uint64_t n) {
    uint64_t spare[1025], S[1025];
    widefp_widereal_to_array(t, E, out, n);
    widefp_array_mul(S, out, out, n);
    // S < 2^-b: b from its leading zero bits.
    uint64_t b = 0;
    for (uint64_t j = 1; j < n && b == 64 * (j - 1); ++j)
        b += S[j] ? static_cast<uint64_t>(__builtin_clzll(S[j])) : 64;
    // Words needed by a partial sum that is still to be scaled by S^i.
    auto words = [&](int64_t i) -> uint64_t {
        const uint64_t drop = b * static_cast<uint64_t>(i) / 64;
        return drop + 2 > n ? 2 : n - drop;
    };
    std::memset(out, 0, n * sizeof(uint64_t));
    uint64_t m = words(N);
    std::memcpy(out, reciprocal_row(cache, static_cast<uint64_t>(N) + 1, n, m, spare), m * sizeof(uint64_t));
    for (int64_t j = N; j >= 1; --j) {
        m = words(j - 1);
        widefp_array_mul(out, out, S, m);
        const uint64_t *r = reciprocal_row(cache, static_cast<uint64_t>(j), n, m, spare);
        if (sign == 1)
            widefp_array_add(out, out, r, m);
        else
            widefp_array_sub(out, r, out, m);
    }
}

}  // namespace widefp::detail

using namespace widefp::elem;

extern "C" {

// acc (n words) = acc + 1/(2k-1) when sign is 1, else 1/(2k-1) - acc; returns
// the carry or borrow.  k >= 1; 2 <= n <= 1025; cache of 500n words, all zero
// before its first use and used with this n only.
uint64_t widefp_invadd(uint64_t *acc, uint64_t k, uint64_t *cache, int sign, uint64_t n) {
    check_precision("invadd", n, kMaxPrecision + 2);
    if (k == 0) widefp_fatal("widefp:range", "invadd : k must be at least 1\n");
    uint64_t spare[1025];
    const uint64_t *r = reciprocal_row(cache, k, n, n, spare);
    if (sign == 1) return widefp_array_add(acc, acc, r, n);
    return widefp_array_sub(acc, r, acc, n);
}

// Words of the reciprocal cache for precision p.
uint64_t widefp_cache_size(uint64_t p) { return kCacheRows * (p + 2); }

// 0 when a cache of `words` words may serve calls at precision p (long
// enough, and unused or built for p); 1 when it is too short (or p is out of
// range); 2 when it was built for another precision.
int widefp_cache_check(const uint64_t *cache, uint64_t words, uint64_t p) {
    if (p < 1 || p > 1023 || words < widefp_cache_size(p)) return 1;
    const uint64_t n = p + 2;
    if (cache[0] != 0 && *cache_tag_word(const_cast<uint64_t *>(cache), n) != (kCacheTag | n)) return 2;
    return 0;
}

}  // extern "C"
