// basic.cpp -- correctly rounded addition, subtraction and change of precision.
#include <cstring>

#include "rounding/ziv.h"

using namespace widefp::rnd;

namespace {

// A copy of x (p+1 words) with its exponent moved to unbiased e.
void with_exponent(uint64_t *dst, const uint64_t *x, uint64_t p, int64_t e) {
    std::memcpy(dst + 1, x + 1, p * sizeof(uint64_t));
    dst[0] = (x[0] & kSign) | static_cast<uint64_t>(e + static_cast<int64_t>(kBias));
}

// y = a + (-1)^flip b, correctly rounded.  The truncated sum of the kernel
// comes with an exact guard word; near the ends of the exponent range the
// operands are first scaled by a common power of two, so that neither an
// overflow nor an underflow of the kernel hides the value, and the range is
// applied when rounding.
int add_rounded(const char *who, uint64_t *y, const uint64_t *a, const uint64_t *b, bool flip, uint64_t p,
                int mode) {
    check_args(who, p, mode);
    const uint64_t fa = a[0] & kExpMask, fb = b[0] & kExpMask;
    const uint64_t ftop = fa > fb ? fa : fb;
    // Both finite and nonzero, the larger exponent far enough from either end
    // of the range that the kernel neither overflows nor underflows.
    const uint64_t safe_low = 64 * p + 3, safe_high = kExpMask - 2;
    if (fa != 0 && fb != 0 && ftop >= safe_low && ftop < safe_high) [[likely]] {
        const uint64_t g = flip ? widefp_float_sub(y, a, b, p) : widefp_float_add(y, a, b, p);
        if (is_zero(y)) return set_zero(y, p, mode == WIDEFP_RNDD);  // exact cancellation
        return round_in_place(y, p, g, mode);
    }
    const bool na = is_neg(a), nb = is_neg(b) != flip;
    // ---- special operands ----
    if (is_inf(a) || is_inf(b)) {
        if (is_inf(a) && is_inf(b) && na != nb) domain_error(who);
        return set_inf(y, p, is_inf(a) ? na : nb);
    }
    if (is_zero(a) && is_zero(b)) return set_zero(y, p, na == nb ? na : mode == WIDEFP_RNDD);
    if (is_zero(a) || is_zero(b)) {  // the other operand, exactly
        const uint64_t *x = is_zero(a) ? b : a;
        const bool neg = is_zero(a) ? nb : na;
        if (y != x) std::memcpy(y + 1, x + 1, p * sizeof(uint64_t));
        y[0] = (x[0] & kExpMask) | (neg ? kSign : 0);
        return 0;
    }

    const int64_t ea = unbiased_of(a), eb = unbiased_of(b);
    const int64_t top = ea > eb ? ea : eb;
    uint64_t g;
    int64_t shift = 0;  // the true exponent is the stored one plus shift
    {
        // Scale so that the larger operand has exponent 0; a smaller operand
        // pushed below the range lies far beneath the last place of the sum
        // and only its sign and presence matter: it becomes the smallest
        // number, which the kernel then treats alike.
        Scratch s(2 * (p + 1));
        uint64_t *sa = s.get(), *sb = sa + (p + 1);
        shift = top;
        const int64_t fa = ea - top < kEmin ? kEmin : ea - top;
        const int64_t fb = eb - top < kEmin ? kEmin : eb - top;
        with_exponent(sa, a, p, fa);
        with_exponent(sb, b, p, fb);
        if (fa == kEmin && ea - top < kEmin) std::memset(sa + 1, 0, p * sizeof(uint64_t));
        if (fb == kEmin && eb - top < kEmin) std::memset(sb + 1, 0, p * sizeof(uint64_t));
        g = flip ? widefp_float_sub(y, sa, sb, p) : widefp_float_add(y, sa, sb, p);
    }
    if (is_zero(y)) {  // exact cancellation (the kernel's zero is positive)
        WIDEFP_ASSERTD(g == 0);
        return set_zero(y, p, mode == WIDEFP_RNDD);
    }
    return round_value(y, p, is_neg(y), unbiased_of(y) + shift, y + 1, p, g, mode);
}

}  // namespace

extern "C" {

int widefp_rnd_add(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    return add_rounded("rnd_add", y, a, b, false, p, mode);
}

int widefp_rnd_sub(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    return add_rounded("rnd_sub", y, a, b, true, p, mode);
}

int widefp_rnd_prec(uint64_t *y, uint64_t p, const uint64_t *x, uint64_t q, int mode) {
    check_args("rnd_prec", p, mode);
    if (q < 1 || q > kMaxP) check_args("rnd_prec", q, mode);
    if (is_zero(x)) return set_zero(y, p, is_neg(x));
    if (is_inf(x)) return set_inf(y, p, is_neg(x));
    if (p >= q) {
        if (y != x) std::memmove(y, x, (q + 1) * sizeof(uint64_t));
        std::memset(y + q + 1, 0, (p - q) * sizeof(uint64_t));
        return 0;
    }
    return round_value(y, p, is_neg(x), unbiased_of(x), x + 1, q, 0, mode);
}

}  // extern "C"
