// asin.cpp -- arcsine: the binomial series of asin x / x on widereal numbers, with the double-angle reflection above sqrt(3)/2.
#include <algorithm>
#include <cstring>

#include "elementary/elementary.h"
#include "elementary/recip_cache.h"
#include "kernel/internal.h"
#include "widefp.h"

using namespace widefp::elem;

namespace {

inline void set_one(uint64_t *a, uint64_t P) {
    std::memset(a, 0, (P + 1) * sizeof(uint64_t));
    a[0] = kBias;
}

}  // namespace

extern "C" {

// y = asin x at precision p, 1 <= p <= 1023, |x| <= 1 (else a domain error);
// returns the next word of the precision-(p+1) result.  work: 5p+10 words.
// y may be x.
uint64_t widefp_float_asin(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work) {
    check_precision("asin", p);
    const uint64_t P = p + 1, w = P + 1;
    const uint64_t ex = x[0] & kExpMask;
    if (ex == 0) {
        y[0] = x[0];
        std::memset(y + 1, 0, p * sizeof(uint64_t));
        return 0;
    }
    uint64_t frac = 0;
    for (uint64_t j = 1; j <= p; ++j) frac |= x[j];
    if (ex > kBias || (ex == kBias && frac != 0)) widefp_fatal("widefp:domain", "asin : domain error.\n");
    std::memset(work, 0, (5 * p + 10) * sizeof(uint64_t));
    uint64_t *X = work, *A = work + w, *B = work + 2 * w, *C = work + 3 * w, *D = work + 4 * w;
    const uint64_t sign = x[0] & kSign;
    if (ex == kBias) {  // +-1: +-pi/2
        widefp_float_ctowr("pi", A, P);
        y[0] = (A[0] - 1) | sign;
        std::memcpy(y + 1, A + 1, p * sizeof(uint64_t));
        return A[p + 1];
    }
    std::memcpy(X, x, (p + 1) * sizeof(uint64_t));
    X[0] &= ~kSign;
    set_one(A, P);

    // Above sqrt(3)/2, asin x = (pi - asin X)/2 with X = 2x sqrt(1-x^2).
    B[0] = kBias - 1;
    B[1] = 0xbb67ae8584caa73cULL;
    const bool reflect = widefp_float_lt(B, X, P);
    if (reflect) {
        widefp_float_sub(B, A, X, P);  // 1-x, exact
        widefp_float_add(C, A, X, P);  // 1+x
        widefp_float_mul(D, B, C, P);  // 1-x^2 without cancellation
        // Newton's iteration B = (B^2 + D)/(2B) from a power of two near sqrt D;
        // after the step of count k about 3k bits are right, so that step
        // runs on the leading 2 + 3k/64 words (a prefix: the number
        // truncated), the last ones at P.
        std::memset(B, 0, w * sizeof(uint64_t));
        B[0] = kBias - ((0x4000000000000000ULL - D[0]) >> 1);
        for (uint64_t k = 1; k < 64 * P; k *= 2) {
            const uint64_t m = std::min<uint64_t>(P, 2 + (3 * k + 63) / 64);
            widefp_float_mul(C, B, B, m);
            widefp_float_add(C, C, D, m);
            widefp_float_div(B, C, B, m);
            B[0] -= 1;
        }
        widefp_float_mul(X, B, X, P);
        X[0] += 1;
    }

    // asin X / X = sum over n of ((2n-1)!!/(2n)!!) X^(2n)/(2n+1): the term in
    // B, the partial sums alternating between A and D, until they agree to
    // the last word but for less than 2^56 units of it.  The sum lies in
    // [1, 1.21]; the term is formed on its leading q words only, those above
    // the word below the sum's last (a prefix of a widereal is the same
    // number truncated).
    set_one(B, P);
    widefp_float_mul(C, X, X, P);
    uint64_t *s_old = A, *s_new = D;
    for (int64_t k = 2;; k += 2) {
        const int64_t eb = unbiased(B[0]);  // <= 0, falls with k
        const uint64_t q = eb <= -64 * static_cast<int64_t>(P - 1) ? 2 : std::max<uint64_t>(2, P + 1 - (-eb) / 64);
        const uint64_t m = std::min(q, P);
        widefp_float_mul(B, B, C, m);
        widefp_float_idiv(B, B, k, m);
        widefp_float_imul(B, B, k - 1, m);
        widefp_float_idiv(s_new, B, k + 1, m);
        std::memset(s_new + m + 1, 0, (P - m) * sizeof(uint64_t));
        widefp_float_add(s_new, s_old, s_new, P);
        if (std::memcmp(s_new, s_old, (p + 1) * sizeof(uint64_t)) == 0 &&
            s_new[p + 1] - s_old[p + 1] < (uint64_t{1} << 56))
            break;
        uint64_t *t = s_old;
        s_old = s_new;
        s_new = t;
    }
    widefp_float_mul(X, s_old, X, P);
    if (reflect) {
        widefp_float_ctowr("pi", s_new, P);
        widefp_float_sub(X, s_new, X, P);
        X[0] -= 1;
    }
    X[0] ^= sign;
    std::memcpy(y, X, (p + 1) * sizeof(uint64_t));
    return X[p + 1];
}

// Work words of widefp_float_asin at precision p.
uint64_t widefp_float_asin_work_size(uint64_t p) { return 5 * p + 10; }

}  // extern "C"
