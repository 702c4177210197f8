// div.cpp -- widereal division: long division in 64-bit quotient words against a shortening divisor.
#include <memory>

#include "kernel/addmul_row.h"
#include "kernel/div_dispatch.h"
#include "kernel/divword.h"
#include "kernel/heap.h"
#include "kernel/internal.h"
#include "widefp.h"

using namespace widefp::detail;

namespace {

// Scratch up to this many words lives on the stack, beyond it on the heap.
constexpr uint64_t kStackWords = 512;

#ifdef WIDEFP_X86_ASM
// With MULX (BMI2) and ADCX/ADOX (ADX) the row subtraction runs two carry
// chains at once; div_select_adx(false) turns that off (for the tests).
bool g_adx_allowed = true;
#endif

// The row subtraction with ADCX/ADOX?
inline bool rows_adx() {
#ifdef WIDEFP_X86_ASM
    return kHaveAdx && g_adx_allowed;
#else
    return false;
#endif
}

// The remainder is kept complemented (see addmul_row.h): the row kernel
// adds to the stored words, and a borrow out of the true difference is a
// carry out of the stored sum.

// r[0..w+1] += (1; y[0..w-1]) placed as in submul (undoes one unit of q).
// Returns true when the sum carries out of r[0]: a negative remainder has
// come back to zero or above.
inline bool add_divisor_back(uint64_t *r, const uint64_t *y, uint64_t w) {
    uint64_t carry = 0;
    for (uint64_t j = w; j >= 1; --j) {
        u128 s = static_cast<u128>(r[j + 1]) + y[j - 1] + carry;
        r[j + 1] = static_cast<uint64_t>(s);
        carry = static_cast<uint64_t>(s >> 64);
    }
    const u128 top = (static_cast<u128>(r[0]) << 64) | r[1];
    const u128 sum = top + 1 + carry;
    r[0] = static_cast<uint64_t>(sum >> 64);
    r[1] = static_cast<uint64_t>(sum);
    return sum < top;
}

// Raises the estimate q (never above the true quotient word) to the exact
// word floor((r0, r1, r2) / (1, y0)) for a divisor of one word, or to
// 2^64 - 1 if that is larger.
inline uint64_t refine_one_word(uint64_t q, uint64_t r0, uint64_t r1, uint64_t r2, uint64_t y0) {
    // t = (r0, r1, r2) - q (1, y0) over three words; t >= 0.
    const u128 b = static_cast<u128>(q) * y0;
    const uint64_t p2 = static_cast<uint64_t>(b);
    const u128 s1 = static_cast<u128>(static_cast<uint64_t>(b >> 64)) + q;
    const uint64_t p1 = static_cast<uint64_t>(s1), p0 = static_cast<uint64_t>(s1 >> 64);
    uint64_t t2 = r2 - p2, bw = r2 < p2;
    uint64_t t1 = r1 - p1 - bw;
    bw = (r1 < p1) | ((r1 - p1) < bw);
    uint64_t t0 = r0 - p0 - bw;
    // while t >= (1, y0): q += 1, t -= (1, y0)
    for (;;) {
        const bool ge = t0 != 0 || t1 > 1 || (t1 == 1 && t2 >= y0);
        if (!ge || q == ~uint64_t{0}) return q;
        ++q;
        const uint64_t b2 = t2 < y0;
        t2 -= y0;
        const uint64_t u1 = t1 - 1;
        const uint64_t b1 = (t1 < 1) | (u1 < b2);
        t1 = u1 - b2;
        t0 -= b1;
    }
}

// Is (r[0]; r[1..w]) >= (1; y[0..w-1])?  r holds complemented words.
inline bool at_least_divisor(const uint64_t *r, const uint64_t *y, uint64_t w) {
    if (~r[0] != 1) return ~r[0] > 1;
    for (uint64_t j = 0; j < w; ++j)
        if (~r[j + 1] != y[j]) return ~r[j + 1] > y[j];
    return true;
}

// (r[0]; r[1..w]) -= (1; y[0..w-1]).
inline void sub_divisor(uint64_t *r, const uint64_t *y, uint64_t w) {
    uint64_t borrow = 0;
    for (uint64_t j = w; j >= 1; --j) {
        uint64_t a = r[j], b = y[j - 1];
        uint64_t d = a - b;
        uint64_t b1 = a < b;
        r[j] = d - borrow;
        borrow = b1 | (d < borrow);
    }
    r[0] -= 1 + borrow;
}

// Adds one to the quotient words quot[1..k].  The quotient never reaches the
// next power of two, so the carry stops inside them.
inline void carry_into(uint64_t *quot, uint64_t k) {
    for (; k >= 1; --k)
        if (++quot[k] != 0) return;
    WIDEFP_ASSERTD(false && "quotient carry out of the top word");
}

// Long division of the mantissas 1.x / 1.y; x and y are the p fraction words
// of each operand, p >= 1, and j < p is the first index where they differ.
// Writes the p result fraction words to out only after the last read of x and
// y (out may overlap them) and returns the 64 quotient bits that follow, not
// yet biased.  *q0_one tells whether the quotient is above 1 (x > y).
// scratch holds 2p+5 words.
uint64_t divide_mantissas(uint64_t *out, const uint64_t *x, const uint64_t *y, uint64_t p, uint64_t j,
                          uint64_t *scratch, bool *q0_one) {
    WIDEFP_ASSERTD(p >= 1 && j < p && x[j] != y[j]);
    uint64_t *rem = scratch;          // p+3 words
    uint64_t *quot = scratch + p + 3;  // p+2 words, quot[i] = q_i for i = 1..p+1

    // Reciprocal estimate R = floor(2^127 / (d + 1)), d = 2^63 | (y[0] >> 1).
    uint64_t R;
    if (y[0] >= 0xfffffffffffffffeULL) {
        R = uint64_t{1} << 63;
    } else {
        uint64_t rest;
        R = div_word(uint64_t{1} << 63, 0, ((uint64_t{1} << 63) | (y[0] >> 1)) + 1, &rest);
    }

    // Leading divisor words halved, and their inverse (used while at least
    // two divisor words are in play, so only when p >= 2).
    const uint64_t d1 = (uint64_t{1} << 63) | (y[0] >> 1);
    const uint64_t d0 = p >= 2 ? (y[0] << 63) | (y[1] >> 1) : 0;
    const uint64_t v = p >= 2 ? inverse_3by2(d1, d0) : 0;

    // The first remainder, complemented (see addmul_row.h).
    const bool x_greater = x[j] > y[j];
    if (x_greater) {
        rem[0] = ~uint64_t{0};
        uint64_t borrow = 0;
        for (uint64_t k = p; k >= 1; --k) {
            uint64_t a = x[k - 1], b = y[k - 1];
            uint64_t d = a - b;
            uint64_t b1 = a < b;
            rem[k] = ~(d - borrow);
            borrow = b1 | (d < borrow);
        }
    } else {
        rem[0] = ~uint64_t{1};
        for (uint64_t k = 1; k <= p; ++k) rem[k] = ~x[k - 1];
    }
    rem[p + 1] = ~uint64_t{0};
    rem[p + 2] = ~uint64_t{0};
    *q0_one = x_greater;

    uint64_t *r = rem;
    for (uint64_t i = 1; i <= p + 1; ++i, ++r) {
        const uint64_t w = (i <= 2) ? p : p + 2 - i;
        // The word is the quotient of the leading remainder words by the
        // leading divisor words, or one less: one add-back settles the
        // latter, and the correction loop below has nothing left to do
        // except when the true word reaches 2^64.  With more than one
        // divisor word this quotient comes from the 3-by-2 inverse (both
        // halved so that the divisor's top bit is set); with one, from the
        // reciprocal estimate raised step by step.
        const uint64_t r0 = ~r[0], r1 = ~r[1], r2 = ~r[2];
        WIDEFP_ASSERTD(r0 <= 1);
        uint64_t q;
        if (w >= 2) {
            const uint64_t r3 = ~r[3];
            q = estimate_3by2((r0 << 63) | (r1 >> 1), (r1 << 63) | (r2 >> 1), (r2 << 63) | (r3 >> 1), d1, d0, v);
        } else {
            q = r0 * R + static_cast<uint64_t>((static_cast<u128>(r1) * R) >> 64);
            q = refine_one_word(q, r0, r1, r2, y[0]);
        }
        if (submul(r, y, q, w, rows_adx())) {
            // q was too large: the remainder went negative
            complement(r, w + 2);
            do {
                --q;
            } while (!add_divisor_back(r, y, w));
            complement(r, w + 2);
        }
        // Shift: the remainder now starts at r[1].
        uint64_t *s = r + 1;
        while (at_least_divisor(s, y, w)) {
            // Once the divisor is shortened, the remainder left by the
            // previous word (below the longer divisor) can exceed 2^64 times
            // the shorter one: the word then reaches 2^64 and carries into
            // the words already stored.
            if (++q == 0) carry_into(quot, i - 1);
            complement(s, w + 1);
            sub_divisor(s, y, w);
            complement(s, w + 1);
        }
        quot[i] = q;
    }

    uint64_t g;
    if (x_greater) {
        for (uint64_t k = 1; k <= p; ++k) out[k - 1] = quot[k];
        g = quot[p + 1];
    } else {
        for (uint64_t k = 1; k <= p; ++k) out[k - 1] = (quot[k] << 1) | (quot[k + 1] >> 63);
        g = quot[p + 1] << 1;
    }
    return g;
}

}  // namespace

namespace widefp::detail {
bool div_select_adx(bool use) {
#ifdef WIDEFP_X86_ASM
    const bool old = kHaveAdx && g_adx_allowed;
    g_adx_allowed = use;
    return old;
#else
    static_cast<void>(use);
    return false;
#endif
}
}  // namespace widefp::detail

extern "C" {

// result = x / y truncated to p fraction words; returns the guard word (the
// next 64 quotient bits biased up by 2^33, saturating).  result may alias x or y.
uint64_t widefp_float_div(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p) {
    const uint64_t x0 = x[0], y0 = y[0];
    const uint64_t sign = (x0 ^ y0) & kSign;
    const uint64_t ex = x0 & kExpMask, ey = y0 & kExpMask;
    if (ey == 0 || ex == kExpMask) {
        result[0] = sign | kExpMask;
        return 0;
    }
    if (ex == 0 || ey == kExpMask) {
        result[0] = sign;
        return 0;
    }

    int64_t diff = static_cast<int64_t>(ex) - static_cast<int64_t>(ey);
    uint64_t guard, next = 0;  // next: the 64 quotient bits after the fraction, unbiased
    uint64_t j = 0;
    while (j < p && x[j + 1] == y[j + 1]) ++j;
    if (j == p) {
        for (uint64_t k = 1; k <= p; ++k) result[k] = 0;
        guard = 0;
    } else {
        const uint64_t words = 2 * p + 5;
        uint64_t stack_buf[kStackWords];
        std::unique_ptr<uint64_t[]> heap_buf;
        uint64_t *scratch = stack_buf;
        if (words > kStackWords) {
            heap_buf = widefp::detail::heap_words(words);
            scratch = heap_buf.get();
        }
        bool q0_one;
        next = divide_mantissas(result + 1, x + 1, y + 1, p, j, scratch, &q0_one);
        if (!q0_one) --diff;
        guard = next + 0x200000000ULL;
        if (guard < next) guard = kSaturated;
    }

    const int64_t bias = static_cast<int64_t>(kBias);
    if (diff > bias) {
        result[0] = sign | kExpMask;
        return 0;
    }
    if (diff <= -bias) {  // underflow to a signed zero, rounded later by the true value
        result[0] = sign;
        // diff = -bias: v = 1.F/2 * m.  Unequal mantissas give a quotient
        // other than 1, so F or the bits after it are nonzero and v > m/2.
        return underflow_guard(result, diff < -bias, next, p);
    }
    result[0] = sign | static_cast<uint64_t>(diff + bias);
    return guard;
}

}  // extern "C"
