// reduction.cpp -- additive argument reduction by ln 2 (exponential) or by multiples of pi/4 (sine, cosine).
#include <algorithm>
#include <cmath>
#include <memory>

#include "elementary/constants_table.h"
#include "elementary/elementary.h"
#include "kernel/heap.h"
#include "widefp.h"

using namespace widefp::elem;
namespace red = widefp::constants;

namespace {

// floor(x / C) for 1 <= x < 2^30, from doubles holding the leading 53 bits
// of x and C: their quotient is within 2^-19 of x/C, so when it lies more
// than 2^-15 from an integer its floor is the exact one.  Returns false
// otherwise (the caller divides in full).
bool quick_quotient(const uint64_t *x, int64_t E, const uint64_t *C, uint64_t *n) {
    const double xd = (1.0 + static_cast<double>(x[1] >> 12) * 0x1p-52) * static_cast<double>(uint64_t{1} << E);
    const double cd = (1.0 + static_cast<double>(C[1] >> 12) * 0x1p-52) * 0.5;  // C in [1/2, 1)
    const double v = xd / cd, f = std::floor(v), frac = v - f;
    if (frac < 0x1p-15 || frac > 1 - 0x1p-15) return false;
    *n = static_cast<uint64_t>(f);
    return true;
}

// Two numbers of pw fraction words: on the stack up to 1,024 words, the heap
// above (a failed allocation ends in widefp_fatal("widefp:memory", ...)).
class Pair {
public:
    void size(uint64_t pw) {
        if (pw + 2 <= kMaxWords) {
            W = stack_;
            Q = stack_ + kMaxWords;
            return;
        }
        if (pw + 2 > heap_words_) {
            heap_ = widefp::detail::heap_words(2 * (pw + 2));
            heap_words_ = pw + 2;
        }
        W = heap_.get();
        Q = W + pw + 2;
    }
    uint64_t *W = nullptr, *Q = nullptr;

private:
    uint64_t stack_[2 * kMaxWords];
    std::unique_ptr<uint64_t[]> heap_;
    uint64_t heap_words_ = 0;
};

// One pass of the reduction of x (precision p, C <= x, exponent E) at pw
// words: P.W = x - m*C with C read at pw words; returns the multiple m
// (rounded up to even in mode 3), *k as widefp_add_reduction.  The
// difference is off by less than 2^(max(E, 0) + 3 - 64 pw): C's truncation
// times m below 2^(E+1), the truncated product or multiple of C and the
// truncated difference one unit each.
uint64_t reduce_at(const uint64_t *x, int64_t E, int mode, uint64_t p, uint64_t pw, Pair &P, int64_t *k) {
    const uint64_t *C = mode == 2 ? red::ln2 : red::pi_quarter;
    uint64_t *W = P.W, *Q = P.Q;
    // W = x widened with zero words to pw fraction words.
    for (uint64_t j = 0; j <= p; ++j) W[j] = x[j];
    for (uint64_t j = p + 1; j <= pw; ++j) W[j] = 0;

    uint64_t m;
    if (E < 0) {  // x in [C, 1)
        if (mode == 3) {  // pi/2, in Q
            red::copy_pi(Q, red::kPiHalfWord0, pw);
            C = Q;
        }
        widefp_float_sub(W, W, C, pw);
        *k = 1;
        return 1;
    }
    if (E <= 29) {  // the integer part of x/C has at most 31 bits
        uint64_t n;
        if (!quick_quotient(x, E, C, &n)) {
            widefp_float_div(Q, W, C, pw);
            const int64_t eq = unbiased(Q[0]);
            n = eq == 0 ? 1 : (Q[1] >> (64 - eq)) | (uint64_t{1} << eq);
        }
        *k = static_cast<int64_t>(n);
        m = n;
        if (mode == 3 && (n & 1)) ++m;
        widefp_float_imul(Q, C, static_cast<int64_t>(m), pw);
    } else {
        widefp_float_div(Q, W, C, pw);
        uint64_t low = 0;
        m = static_cast<uint64_t>(widefp_modf(Q, Q, &low, pw));
        *k = static_cast<int64_t>(low);
        widefp_float_mul(Q, C, Q, pw);
        if (mode == 3 && (m & 1)) {
            ++m;
            widefp_float_add(Q, Q, C, pw);
        }
    }
    widefp_float_sub(W, W, Q, pw);
    return m;
}

}  // namespace

// x = k*C + r.  Mode 2: C = ln 2, 0 <= r < ln 2.  Mode 3: C = pi/4 with the
// multiple rounded up to even, |r| <= pi/4, returns the quadrant.  Other
// modes: C = pi/4 without rounding.  r is a widereal of precision p+1 (p+2
// words); *k gets floor(x/C) mod 2^64 before the even rounding.
// The working precision is 2p+1 words, or p words plus the length of the
// integer quotient for large x; the constants are read at that precision.
// With pi/4 the difference may lose its leading bits to cancellation (x
// next to a multiple of pi/2): then the pass is run again with enough words
// that r is right to 2^-8 of a unit in its word p, that is with pi/4 to
// about E + 64p bits plus the bits lost (at most about 64p for an argument
// of p words).  1 <= p <= 1024 and x finite below 2^65536 (2^65600 for small
// p), else a fatal range or domain error.
extern "C" int widefp_add_reduction(const uint64_t *x, int mode, uint64_t *r, uint64_t p, int64_t *k) {
    check_precision("add_reduction", p, kMaxPrecision + 1);
    if ((x[0] & kExpMask) == kExpMask) widefp_fatal("widefp:domain", "add_reduction : infinite argument\n");
    const uint64_t *C = mode == 2 ? red::ln2 : red::pi_quarter;

    if (x[0] < 0x3ffffffffffffffeULL || widefp_float_lt(x, C, p)) {  // includes 0 and x < 0
        for (uint64_t j = 0; j <= p; ++j) r[j] = x[j];
        r[p + 1] = 0;
        *k = 0;
        return 0;
    }

    const int64_t E = unbiased(x[0]);
    uint64_t pw;
    if (E >= 0 && static_cast<uint64_t>(E) >= 64 * p + 1)
        pw = p + (static_cast<uint64_t>(E) + 1 + 63) / 64;
    else
        pw = 2 * p + 1;
    // The constants hold kReductionFracWords fraction words: beyond them the
    // integer quotient would crowd out the fraction of r.
    if (pw > static_cast<uint64_t>(red::kReductionFracWords))
        widefp_fatal("widefp:range",
                     "add_reduction : argument too large for the reduction (exponent 65,536 or more)\n");
    const uint64_t limit = static_cast<uint64_t>(red::kPiQuarterFracWords);
    Pair P;
    uint64_t m;
    for (;;) {
        P.size(pw);
        m = reduce_at(x, E, mode, p, pw, P, k);
        if (mode == 2 || E < 0) break;  // no cancellation beyond a bit or two
        // Cancellation: the error bound 2^(E + 3 - 64 pw) must lie 64p + 8
        // bits below the difference.  A difference above twice the bound has
        // its leading bit within one place of the exact one, and tells the
        // words needed; a smaller one (or zero) tells nothing, and the next
        // pass adds the length of r.  Past the stored pi/4 (which no argument
        // of p words reaches: about 64p bits cancel at most) the last pass
        // stands.
        const int64_t err = E + 3 - 64 * static_cast<int64_t>(pw);
        const bool zero = (P.W[0] & kExpMask) == 0;
        const int64_t ew = zero ? 0 : unbiased(P.W[0]);
        if (!zero && err <= ew - 64 * static_cast<int64_t>(p) - 8) break;
        if (pw >= limit) break;
        uint64_t next = pw + p + 1;
        if (!zero && err < ew - 1) next = static_cast<uint64_t>((E + 12 - ew + 64 * static_cast<int64_t>(p) + 63) / 64);
        pw = std::min(std::max(next, pw + 1), limit);
    }
    for (uint64_t j = 0; j <= p + 1; ++j) r[j] = P.W[j];  // pw >= p+1
    if (mode != 3) return E < 0 ? 1 : static_cast<int>(m % 4);
    return E < 0 ? 1 : static_cast<int>((m / 2) % 4);
}

int widefp::elem::reduce_magnitude(const uint64_t *x, uint64_t p, uint64_t *work, int mode, int64_t *k) {
    uint64_t *W = work;
    for (uint64_t j = 0; j <= p; ++j) W[j] = x[j];
    W[p + 1] = 0;
    W[0] &= kExpMask;
    return widefp_add_reduction(W, mode, work + p + 2, p + 1, k);
}
