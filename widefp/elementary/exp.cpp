// exp.cpp -- exponential: reduction by ln 2, Taylor series on working arrays, exponent put back.
#include <cstring>

#include "elementary/constants_table.h"
#include "elementary/elementary.h"
#include "elementary/series_rule.h"
#include "kernel/array_mul_skip.h"
#include "widefp.h"

using namespace widefp::elem;

extern "C" {

uint64_t widefp_float_exp_work_size(uint64_t p) { return 2 * p + 5; }

// w (precision P) = e^r for 0 <= r < ln 2 (r's sign ignored; fraction words
// 1..P read).  Horner's scheme w = 1 + w*r/j for j = N..1 on P+1 words.
// Precondition: 1 <= P <= 1024, r < 1.
void widefp_array_exp(const uint64_t *r, uint64_t *w, uint64_t P) {
    check_precision("array_exp", P, kMaxPrecision + 1);
    const int64_t E = unbiased(r[0]);
    if ((r[0] & kExpMask) == 0 || E < -64 * static_cast<int64_t>(P) - 2) {
        w[0] = kBias;
        std::memset(w + 1, 0, P * sizeof(uint64_t));
        return;
    }
    int64_t N = widefp_taylor_tranc_exp(P, E);  // refuses E >= 0
    // The count for E = -1 assumes r < ln 2; from ln 2 up to 1 a factor r
    // gains less than log2(1/ln 2) bits: count with 0 bits per factor.
    if (E == -1 && compare_magnitude(r, widefp::constants::ln2, P) >= 0)
        N = widefp::series::exp_terms_c(P, 0);
    uint64_t A[kMaxWords];
    widefp_widereal_to_array(r, E, A, P + 1);
    w[0] = 1;
    std::memset(w + 1, 0, P * sizeof(uint64_t));
    const uint64_t za = leading_zero_words(A, P + 1);
    for (int64_t j = N; j >= 1; --j) {
        uint64_t z = 0;
        widefp_array_idiv(w, w, static_cast<uint64_t>(j), P + 1, &z);
        array_mul_skip(w, A, w, P + 1, za);  // w*A, without A's zero words
        w[0] += 1;
    }
    // The sum lies in [1, 2) for r < ln 2; from r = ln 2 on it reaches 2.
    if (w[0] == 1)
        w[0] = kBias;
    else
        widefp_array_to_widereal(w, P);
}

// y = e^x at precision p; returns the next word of the precision-(p+1)
// result.  The range is the widereal one: e^x = 2^k e^R is +inf (guard 0)
// from 2^k e^R >= 2^(2^62) on (x >= 2^62 ln 2, about 3.2e18) and +0 below
// the smallest number, with the guard word of an underflowed product (so
// that rounding decides by the true value).  For 0 < |x| < 2^-(64p+64) the
// stored words are the truncation of e^x, 1 for x > 0 and one unit below 1
// for x < 0, and the guard says what follows: 1 (a little above 1) and
// 0xff...fe (almost one more unit).  work: 2p+5 words.  y may be x.
uint64_t widefp_float_exp(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work) {
    check_precision("exp", p);
    std::memset(work, 0, (2 * p + 4) * sizeof(uint64_t));
    const uint64_t e = x[0] & kExpMask;
    const bool negative = (x[0] & kSign) != 0;
    if (e == 0) {  // e^0 = 1
        y[0] = kBias;
        std::memset(y + 1, 0, p * sizeof(uint64_t));
        return 0;
    }
    if (e < kBias - 64 * p - 64) {  // |x| < 2^-(64p+64): e^x = 1 + x + ...
        if (!negative) {
            y[0] = kBias;
            std::memset(y + 1, 0, p * sizeof(uint64_t));
            return 1;
        }
        y[0] = kBias - 1;
        std::memset(y + 1, 0xff, p * sizeof(uint64_t));
        return kSaturated - 1;
    }
    if (e >= kBias + 62) {  // |x| >= 2^62 > 2^62 ln 2, infinities included
        y[0] = negative ? 0 : kExpMask;
        std::memset(y + 1, 0, p * sizeof(uint64_t));
        return negative && e != kExpMask ? 1 : 0;  // a positive value far below the smallest number
    }
    const uint64_t P = p + 1;
    uint64_t *W = work, *R = work + p + 2;
    int64_t k = 0;
    reduce_magnitude(x, p, work, 2, &k);  // |x| = k ln 2 + R, 0 <= R < ln 2; k < 2^62.6
    widefp_array_exp(R, W, P);
    const int64_t bias = static_cast<int64_t>(kBias);
    if (!negative) {
        const int64_t ey = static_cast<int64_t>(W[0]) - bias + k;  // e^R in [1, 2]
        if (ey > bias) {
            y[0] = kExpMask;
            std::memset(y + 1, 0, p * sizeof(uint64_t));
            return 0;
        }
        std::memcpy(y, W, (p + 1) * sizeof(uint64_t));
        y[0] = static_cast<uint64_t>(ey + bias);
        return W[p + 1];
    }
    // e^-x = 2^-k / e^R, divided at p+1 words so that the word after y is
    // the quotient's next word (a division at p words would cut the divisor
    // to p words first).
    R[0] = kBias;
    std::memset(R + 1, 0, P * sizeof(uint64_t));
    widefp_float_div(R, R, W, P);
    std::memcpy(y, R, (p + 1) * sizeof(uint64_t));
    const int64_t ey = static_cast<int64_t>(R[0]) - bias - k;
    if (ey < 1 - bias) {  // below the smallest number m: +0; in [m/2, m) the guard tells where
        const uint64_t g = underflow_guard(y, ey < -bias, R[p + 1], p);
        y[0] = 0;
        std::memset(y + 1, 0, p * sizeof(uint64_t));
        return g;
    }
    y[0] = static_cast<uint64_t>(ey + bias);
    return R[p + 1];
}

}  // extern "C"
