// fma.cpp -- y = a b + c rounded once: widefp_rnd_fma.
//
// The product of two p-word numbers fits exactly in P = 2p+1 words.  The
// operands are scaled by a common power of two 2^K that brings the larger of
// |ab| and |c| to exponent 0 (a term pushed below the range lies far beneath
// the last place of the sum: only its sign and presence matter, and it
// becomes a single bit there).  The kernel's sum at P words is truncated
// with an exact guard word; an inexact sum gets its last bit set (rounding
// to odd), which leaves it strictly between the same two P-word numbers as
// the exact sum.  As every rounding boundary at p words (the numbers, the
// midpoints, the range's thresholds) is a P-word number, rounding that sum
// once to p words gives the exact sum's rounding, ternary value included.
#include <cstring>

#include "rounding/ziv.h"

using namespace widefp::rnd;

namespace {

// dst (P+1 words) = x (p+1 words) zero-padded, its exponent set to unbiased e.
void widen(uint64_t *dst, const uint64_t *x, uint64_t p, uint64_t P, int64_t e) {
    std::memcpy(dst + 1, x + 1, p * sizeof(uint64_t));
    std::memset(dst + p + 1, 0, (P - p) * sizeof(uint64_t));
    dst[0] = (x[0] & kSign) | static_cast<uint64_t>(e + static_cast<int64_t>(kBias));
}

// x becomes +-2^e (a single bit) when its exponent must lie below kLow.
constexpr int64_t kLow = kEmin + 4;

}  // namespace

extern "C" int widefp_rnd_fma(uint64_t *y, const uint64_t *a, const uint64_t *b, const uint64_t *c, uint64_t p,
                              int mode) {
    check_args("widefp_rnd_fma", p, mode);
    const bool pneg = is_neg(a) != is_neg(b);
    if (is_inf(a) || is_inf(b) || is_zero(a) || is_zero(b)) {
        if ((is_inf(a) && is_zero(b)) || (is_zero(a) && is_inf(b))) domain_error("widefp_rnd_fma");
        if (is_inf(a) || is_inf(b)) {
            if (is_inf(c) && is_neg(c) != pneg) domain_error("widefp_rnd_fma");
            return set_inf(y, p, pneg);
        }
        Scratch z(p + 1);  // the signed zero product
        z.get()[0] = pneg ? kSign : 0;
        return widefp_rnd_add(y, z.get(), c, p, mode);
    }
    if (is_inf(c)) return set_inf(y, p, is_neg(c));
    if (is_zero(c)) return widefp_rnd_mul(y, a, b, p, mode);

    const uint64_t P = 2 * p + 1, W = P + 1;
    const int64_t ep = unbiased_of(a) + unbiased_of(b), ec = unbiased_of(c);  // |ab| in [2^ep, 2^(ep+2))
    const int64_t top = ep > ec ? ep : ec;                                    // 2^-K, K = -top
    Scratch s(5 * W);
    uint64_t *A = s.get(), *B = A + W, *C = B + W, *M = C + W, *S = M + W;
    widen(A, a, p, P, 0);
    widen(B, b, p, P, 0);
    if (P <= kMaxP)
        widefp_rnd_mul(M, A, B, P, WIDEFP_RNDN);  // exact
    else
        widefp_float_mul(M, A, B, P);  // exact from 720 words on
    const int64_t em = unbiased_of(M) + ep - top;
    if (em < kLow)
        set_pow2(M, P, pneg, kLow);
    else
        M[0] = (M[0] & kSign) | static_cast<uint64_t>(em + static_cast<int64_t>(kBias));
    if (ec - top < kLow)
        set_pow2(C, P, is_neg(c), kLow);
    else
        widen(C, c, p, P, ec - top);
    const uint64_t g = widefp_float_add(S, M, C, P);
    if (is_zero(S)) return set_zero(y, p, mode == WIDEFP_RNDD);  // exact cancellation
    if (g != 0) S[P] |= 1;                                       // to odd
    const __int128 e = static_cast<__int128>(unbiased_of(S)) + top;
    const int64_t es = e > kEmax + 1 ? kEmax + 1 : e < kEmin - 2 ? kEmin - 2 : static_cast<int64_t>(e);
    return round_value(y, p, is_neg(S), es, S + 1, P, 0, mode);
}
