// atan.cpp -- arctangent: folds below 1/8, the odd series with the reciprocal cache, recovery with stored constants.
#include <cstring>

#include "elementary/constants_table.h"
#include "elementary/elementary.h"
#include "elementary/recip_cache.h"
#include "kernel/internal.h"
#include "widefp.h"

using namespace widefp::elem;

namespace {

// c (precision P) = a small integer given by word 0 and the first fraction word.
inline void small_constant(uint64_t *c, uint64_t w0, uint64_t w1, uint64_t P) {
    c[0] = w0;
    c[1] = w1;
    std::memset(c + 2, 0, (P - 1) * sizeof(uint64_t));
}

constexpr uint64_t kTwo = kBias + 1, kFour = kBias + 2;  // word 0 of 2 and of 4 (and 5)

}  // namespace

extern "C" {

// Folds x (precision P, nonzero) in place into [0, 1/8) and returns the fold
// record: 1 negative, 2 inverted, 4 folded about 1/2, 8 about 1/4, 16 about
// 1/4 in the reversed sense.
uint64_t widefp_atan_arg_reduction(uint64_t *x, uint64_t P) {
    check_precision("atan_arg_reduction", P, kMaxPrecision + 1);
    uint64_t c[1025], d[1025];
    uint64_t folds = 0;
    if (x[0] & kSign) {
        x[0] &= ~kSign;
        folds |= 1;
    }
    if (x[0] > kBias - 1) {  // x >= 1: 1/x
        small_constant(c, kBias, 0, P);
        widefp_float_div(x, c, x, P);
        folds |= 2;
    }
    if (x[0] > kBias - 2) {  // x >= 1/2: (2x-1)/(x+2) = 2 - 5/(x+2)
        small_constant(c, kTwo, 0, P);
        small_constant(d, kFour, 0x4000000000000000ULL, P);  // 5
        widefp_float_add(x, x, c, P);
        widefp_float_div(x, d, x, P);
        widefp_float_sub(x, c, x, P);
        folds |= 4;
    }
    small_constant(c, kFour, 0, P);
    small_constant(d, kBias + 4, 0x1000000000000000ULL, P);  // 17
    if (x[0] > kBias - 3) {  // x >= 1/4: (4x-1)/(x+4) = 4 - 17/(x+4)
        widefp_float_add(x, x, c, P);
        widefp_float_div(x, d, x, P);
        widefp_float_sub(x, c, x, P);
        folds |= 8;
    }
    if (x[0] > kBias - 4) {  // x >= 1/8: (1-4x)/(x+4) = 17/(x+4) - 4
        widefp_float_add(x, x, c, P);
        widefp_float_div(x, d, x, P);
        widefp_float_sub(x, x, c, P);
        folds |= 16;
    }
    return folds;
}

// out (precision P) = atan t for |t| < 1/8, t read at precision P; the cache
// serves rows of P+1 words.
void widefp_atan_horner(const uint64_t *t, uint64_t *out, uint64_t *cache, uint64_t P) {
    check_precision("atan_horner", P, kMaxPrecision + 1);
    const int64_t E = unbiased(t[0]);
    if (-2.0 - 32.0 * static_cast<double>(P) >= static_cast<double>(E)) {  // zero included
        std::memcpy(out, t, (P + 1) * sizeof(uint64_t));
        return;
    }
    const uint64_t n = P + 1;
    reciprocal_series(out, t, E, widefp_taylor_tranc_atan(P, E), cache, -1, n);
    if (out[0] != 1) {  // the sum lies in (1/2, 1)
        widefp_sll_onebit(out, n);
        out[0] = kBias - 1;
    } else {
        std::memset(out + 1, 0, P * sizeof(uint64_t));
        out[0] = kBias;
    }
    widefp_float_mul(out, out, t, P);
}

// a (precision P <= 1024): atan of the reduced argument in, atan of the
// argument before the folds out.
void widefp_atan_recover(uint64_t *a, uint64_t folds, uint64_t P) {
    check_precision("atan_recover", P, kMaxPrecision + 1);
    namespace c = widefp::constants;
    if (folds & 16) widefp_float_sub(a, c::atan_quarter, a, P);
    if (folds & 8) widefp_float_add(a, c::atan_quarter, a, P);
    if (folds & 4) widefp_float_add(a, c::atan_half, a, P);
    if (folds & 2) {
        uint64_t half_pi[kMaxWords];
        c::copy_pi(half_pi, c::kPiHalfWord0, P);
        widefp_float_sub(a, half_pi, a, P);
    }
    if (folds & 1) a[0] ^= kSign;
}

// y = atan x at precision p, 1 <= p <= 1023; returns the next word of the
// precision-(p+1) result.  work: 2p+4 words; cache as the logarithm's.  y may
// be x.
uint64_t widefp_float_atan(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work, uint64_t *cache) {
    check_precision("atan", p);
    require_cache_rows(cache, p + 2, "atan : reciprocal cache built for another precision.\n");
    std::memset(work, 0, (2 * p + 4) * sizeof(uint64_t));
    if ((x[0] & kExpMask) == 0) {
        y[0] = x[0];
        std::memset(y + 1, 0, p * sizeof(uint64_t));
        return 0;
    }
    const uint64_t P = p + 1;
    uint64_t *W = work, *A = work + P + 1;
    std::memcpy(W, x, (p + 1) * sizeof(uint64_t));
    const uint64_t folds = widefp_atan_arg_reduction(W, P);
    widefp_atan_horner(W, A, cache, P);
    if (folds) widefp_atan_recover(A, folds, P);
    std::memcpy(y, A, (p + 1) * sizeof(uint64_t));
    return A[p + 1];
}

// Work words of widefp_float_atan at precision p.
uint64_t widefp_float_atan_work_size(uint64_t p) { return 2 * p + 4; }

}  // extern "C"
