// log.cpp -- natural logarithm: E*ln 2 plus 2*atanh((m-1)/(m+1)) for the mantissa m centred on 1, summed with the reciprocal cache.
#include <cstring>

#include "elementary/constants_table.h"
#include "elementary/elementary.h"
#include "elementary/recip_cache.h"
#include "kernel/internal.h"
#include "widefp.h"

using namespace widefp::elem;

extern "C" {

// out (precision P <= 1024) = E*ln 2, truncated, E the unbiased exponent of
// w0 (sign bit ignored).  For E = 0 only word 0 is written (a zero).
void widefp_load_ln2(uint64_t w0, uint64_t *out, uint64_t P) {
    check_precision("load_ln2", P, kMaxPrecision + 1);
    const int64_t E = unbiased(w0);
    if (E == 0) {
        out[0] = 0;
        return;
    }
    // |E| * 2 ln 2 = |E| * (1.f) in fixed point, f the stored fraction of ln 2
    // (2,049 words: every word up to P is the constant's own).
    const uint64_t mag = E < 0 ? uint64_t{0} - static_cast<uint64_t>(E) : static_cast<uint64_t>(E);
    out[0] = mag + widefp_array_imul(out + 1, widefp::constants::ln2 + 1, mag, P);
    if (out[0] == 1)
        out[0] = kBias;
    else
        widefp_array_to_widereal(out, P);
    out[0] -= 1;  // halved
    if (E < 0) out[0] |= kSign;
}

// out (precision P) = 2*atanh t = ln((1+t)/(1-t)) for |t| < 1/2, t read at
// precision P.  n = P+1 <= 1025; the cache serves rows of n words.
void widefp_array_log(const uint64_t *t, uint64_t *out, uint64_t *cache, uint64_t P) {
    check_precision("array_log", P, kMaxPrecision + 1);
    const uint64_t et = t[0] & kExpMask;
    if (et == 0) {  // atanh 0 = 0
        std::memset(out, 0, (P + 1) * sizeof(uint64_t));
        out[0] = t[0];
        return;
    }
    const int64_t E = unbiased(t[0]);
    if (0.8774437510817346 - 32.0 * static_cast<double>(P) >= static_cast<double>(E)) {
        out[0] = t[0] + 1;  // 2t: the t^3 term lies below the last word
        std::memcpy(out + 1, t + 1, P * sizeof(uint64_t));
        return;
    }
    reciprocal_series(out, t, E, widefp_taylor_tranc_log(P, E), cache, 1, P + 1);
    out[0] = kBias + 1;  // the sum, in [1, 2), doubled
    widefp_float_mul(out, out, t, P);
}

// y = ln x at precision p, 1 <= p <= 1023; returns the next word of the
// precision-(p+1) result.  work: 3p+6 words; cache: widefp_cache_size(p)
// words, zero before its first use.  ln(+inf) = +inf; x <= 0 is a domain
// error.  y may be x.
uint64_t widefp_float_log(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work, uint64_t *cache) {
    check_precision("log", p);
    if (static_cast<int64_t>(x[0]) < 1) widefp_fatal("widefp:domain", "log : domain error\n");
    require_cache_rows(cache, p + 2, "log : reciprocal cache built for another precision.\n");
    std::memset(work, 0, (3 * p + 6) * sizeof(uint64_t));
    if (x[0] == kExpMask) {
        y[0] = kExpMask;
        std::memset(y + 1, 0, p * sizeof(uint64_t));
        return 0;
    }
    const uint64_t P = p + 1;
    uint64_t *L = work, *M = work + P + 1, *T = work + 2 * (P + 1);
    const int64_t E = static_cast<int64_t>(x[0]) - static_cast<int64_t>(kBias);

    uint64_t any = 0;
    for (uint64_t j = 1; j <= p; ++j) any |= x[j];
    if (any == 0) {  // a power of two: E*ln 2 alone
        widefp_load_ln2(x[0], L, P);
        std::memcpy(y, L, (p + 1) * sizeof(uint64_t));
        return L[p + 1];
    }

    // x = m' * 2^E' with m' in [0.707, 1.414): the mantissa m, halved when it
    // is sqrt 2 or more.  t = (m'-1)/(m'+1) lies in (-0.172, 0.172); m'-1
    // and m'+1 are exact at p+1 words, so t is good to the last word however
    // close x is to 1, and next to 1 (x in [0.707, 1.414)) E' = 0: nothing
    // cancels.
    const bool halve = x[1] >= 0x6a09e667f3bcc909ULL;
    std::memcpy(M, x, (p + 1) * sizeof(uint64_t));
    M[0] = halve ? kBias - 1 : kBias;
    T[0] = kBias;  // 1
    widefp_float_add(L, M, T, P);
    widefp_float_sub(M, M, T, P);
    widefp_float_div(M, M, L, P);
    widefp_load_ln2(static_cast<uint64_t>(E + (halve ? 1 : 0)) + kBias, L, P);
    widefp_array_log(M, T, cache, P);
    widefp_float_add(M, T, L, P);
    std::memcpy(y, M, (p + 1) * sizeof(uint64_t));
    return M[p + 1];
}

// Work words of widefp_float_log at precision p.
uint64_t widefp_float_log_work_size(uint64_t p) { return 3 * p + 6; }

}  // extern "C"
