// decimal_out.cpp -- decimal significand and exponent of a widereal, and the
// scientific and fixed notations of a digit array.
#include <cstdint>
#include <cstring>
#include <memory>

#include "convert/decimal.h"
#include "elementary/constants_table.h"
#include "kernel/array_mul_skip.h"
#include "kernel/guard.h"
#include "kernel/heap.h"
#include "kernel/internal.h"
#include "widefp.h"

namespace {

using widefp::detail::kBias;
using widefp::detail::kExpMask;

constexpr uint64_t kTen19 = 0x8ac7230489e80000ULL;  // 10^19, the largest power of ten below 2^64

// Fields of the control word.
constexpr uint64_t kUpperBit = uint64_t{1} << 56;
constexpr uint64_t kTrimBit = uint64_t{1} << 59;
constexpr uint64_t kNegativeBit = uint64_t{1} << 63;
inline uint64_t control_w(uint64_t c) { return c & 0xffff; }
inline uint64_t control_d(uint64_t c) { return (c >> 16) & 0xffff; }

// Writes v as exactly `len` digits, leading zeros included.
inline void put_digits(char *out, uint64_t v, uint64_t len) {
    for (uint64_t i = len; i-- > 0;) {
        out[i] = static_cast<char>('0' + v % 10);
        v /= 10;
    }
}

// Removes the trailing zeros of the fraction when trimming, then a point left
// last.  `begin` is the start of the text, `end` one past its last character;
// returns the new end.
char *finish_fraction(char *begin, char *end, bool trim) {
    bool has_point = false;
    for (char *c = begin; c < end; ++c) has_point |= (*c == '.');
    if (trim && has_point)
        while (end > begin && end[-1] == '0') --end;
    if (end > begin && end[-1] == '.') --end;
    return end;
}

// ---- the digit array rounded up, exactly ----------------------------------
//
// The series leaves the digit array a few units of its last word from the
// exact |x| / 10^E, on either side.  A value that is exactly a decimal tie at
// some digit (2.5, 6.5, 2.125, 12345 to four digits) then often comes out
// just below the tie and prints on the low side.  Where the power is small
// enough to handle exactly (every power for which such a tie can fall within
// the array's digits), the array is recomputed with integer arithmetic as
// |x| / 10^E rounded up to its last unit: exact when it fits, never below a
// tie, and less than one unit above the exact value.

constexpr uint64_t kFive27 = 7450580596923828125ULL;  // 5^27, the largest power of 5 below 2^64

uint64_t pow5(uint64_t k) {  // k <= 27
    uint64_t v = 1;
    while (k-- > 0) v *= 5;
    return v;
}

// a (n words, most significant first) *= m; returns the carry out.
uint64_t mul_word(uint64_t *a, uint64_t n, uint64_t m) {
    uint64_t carry = 0;
    for (uint64_t i = n; i-- > 0;) {
        const unsigned __int128 t = static_cast<unsigned __int128>(a[i]) * m + carry;
        a[i] = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
    return carry;
}

// a = ceil(a / d), a of n words.
void div_word_ceil(uint64_t *a, uint64_t n, uint64_t d) {
    uint64_t rem = 0;
    for (uint64_t i = 0; i < n; ++i) {
        const unsigned __int128 t = (static_cast<unsigned __int128>(rem) << 64) | a[i];
        a[i] = static_cast<uint64_t>(t / d);
        rem = static_cast<uint64_t>(t % d);
    }
    if (rem != 0)
        for (uint64_t i = n; i-- > 0;)
            if (++a[i] != 0) break;
}

// D (n words) = ceil(V * 2^sh), V of L words; false when it does not fit.
bool scaled_ceil(const uint64_t *V, uint64_t L, int64_t sh, uint64_t *D, uint64_t n) {
    for (uint64_t i = 0; i < n; ++i) D[i] = 0;
    bool lost = false;
    for (uint64_t k = 0; k < L; ++k) {  // k counts words from the least significant end
        uint64_t w = V[L - 1 - k];
        if (w == 0) continue;
        int64_t t = 64 * static_cast<int64_t>(k) + sh;  // position of w's lowest bit
        if (t < 0) {
            if (t <= -64) {
                lost = true;
                continue;
            }
            const unsigned r = static_cast<unsigned>(-t);
            lost |= (w & ((uint64_t{1} << r) - 1)) != 0;
            w >>= r;
            t = 0;
            if (w == 0) continue;
        }
        const uint64_t q = static_cast<uint64_t>(t) / 64;
        const unsigned r = static_cast<unsigned>(t % 64);
        if (q >= n) return false;
        D[n - 1 - q] |= w << r;
        if (r != 0 && (w >> (64 - r)) != 0) {
            if (q + 1 >= n) return false;
            D[n - 2 - q] |= w >> (64 - r);
        }
    }
    if (lost) {
        uint64_t i = n;
        while (i-- > 0 && ++D[i] == 0) {
        }
        if (i == ~uint64_t{0}) return false;  // wrapped round
    }
    return true;
}

// D (p+2 words) = |x| / 10^e rounded up to the last unit, when the power is
// within the exact range; false otherwise or when the result does not fit.
// x = Mi * 2^(B - 64p) with Mi the (p+1)-word significand 1.F * 2^64p.
bool ceil_digits(const uint64_t *x, uint64_t p, int64_t e, uint64_t *D) {
    const uint64_t n = p + 2;
    const int64_t B = static_cast<int64_t>(x[0] & kExpMask) - static_cast<int64_t>(kBias);
    std::unique_ptr<uint64_t[]> mi = widefp::detail::heap_words(p + 1);
    mi[0] = 1;
    for (uint64_t i = 1; i <= p; ++i) mi[i] = x[i];
    const int64_t P = static_cast<int64_t>(p);
    if (e >= 0) {
        // A tie at digit d needs 5^(E - d - 1) to divide Mi, so d >= E - 27.6p - 1:
        // beyond E = 47p + 64 no tie falls within the array's 19.3(p+1) digits.
        if (e > 47 * P + 64) return false;
        const int64_t sh = B - e + 64;  // D = Mi * 2^sh / 5^e
        if (sh < 0) return false;
        const uint64_t L = p + 2 + static_cast<uint64_t>(sh) / 64;
        std::unique_ptr<uint64_t[]> V = widefp::detail::heap_words(L);
        if (!scaled_ceil(mi.get(), p + 1, sh, V.get(), L)) return false;
        for (int64_t r = e; r > 0; r -= 27) div_word_ceil(V.get(), L, r >= 27 ? kFive27 : pow5(static_cast<uint64_t>(r)));
        return scaled_ceil(V.get(), L, 0, D, n);
    }
    // A tie at digit d needs |x| * 10^(d - E) to be an odd multiple of 1/2,
    // so d = 64p - B + E - 1 - (trailing zero bits of Mi) >= 2.3|E| - 1:
    // below E = -(28p + 32) no tie falls within the array's digits.
    const int64_t k = -e;
    if (k > 28 * P + 32) return false;
    const uint64_t L = p + 3 + static_cast<uint64_t>(k) * 2322 / 64000;  // k log2(5) bits more
    std::unique_ptr<uint64_t[]> V = widefp::detail::heap_words(L);
    for (uint64_t i = 0; i <= p; ++i) V[L - 1 - p + i] = mi[i];
    for (int64_t r = k; r > 0; r -= 27)
        if (mul_word(V.get(), L, r >= 27 ? kFive27 : pow5(static_cast<uint64_t>(r))) != 0) return false;
    return scaled_ceil(V.get(), L, B + k + 64, D, n);  // D = Mi * 5^k * 2^(B + k + 64)
}

}  // namespace

namespace widefp {

char *wrl_hex2dec(uint64_t *digits, uint64_t w, char *out, uint64_t count) {
    WIDEFP_ASSERTD(w >= 1);
    while (count >= 19) {
        digits[0] = 0;
        widefp_array_imul(digits, digits, kTen19, w);
        put_digits(out, digits[0], 19);
        out += 19;
        count -= 19;
    }
    if (count > 0) {
        uint64_t m = 1;
        for (uint64_t i = 0; i < count; ++i) m *= 10;
        digits[0] = 0;
        widefp_array_imul(digits, digits, m, w);
        put_digits(out, digits[0], count);
        out += count;
    }
    return out;
}

}  // namespace widefp

// |x| = digits * 10^E with the digit array's integer word 1..9.
// Preconditions: x finite and nonzero; 1 <= p <= 1022.
extern "C" void widefp_convert_pow(const uint64_t *x, int64_t *exponent, uint64_t *digits, uint64_t p) {
    WIDEFP_ASSERTD(p >= 1 && p <= 1022);
    WIDEFP_ASSERTD((x[0] & kExpMask) != 0 && (x[0] & kExpMask) != kExpMask);
    const uint64_t n = p + 2;
    const uint64_t *log10_2 = widefp::constants::log10_2_fixed;

    // Three working arrays of n words: y (first T, later the mantissa), the
    // series term and the series sum; then a copy of x, read after digits is
    // written (x may share memory with digits or exponent).
    std::unique_ptr<uint64_t[]> work = widefp::detail::heap_words(3 * n + p + 1);
    uint64_t *y = work.get();
    uint64_t *term = y + n;
    uint64_t *sum = term + n;
    uint64_t *const xc = sum + n;
    std::memcpy(xc, x, (p + 1) * sizeof(uint64_t));
    x = xc;

    // E + frac = B * log10(2), E = floor(B * log10(2)).
    const int64_t b = static_cast<int64_t>(x[0] & kExpMask) - static_cast<int64_t>(kBias);
    int64_t e;
    if (b >= 0) {
        widefp_array_imul(y, log10_2, static_cast<uint64_t>(b), n);
        e = static_cast<int64_t>(y[0]);
    } else {
        widefp_array_imul(y, log10_2, static_cast<uint64_t>(-b), n);
        e = static_cast<int64_t>(~y[0]);
        for (uint64_t i = 1; i < n; ++i) y[i] = ~y[i];
        for (uint64_t i = n; i-- > 0;)  // add one at the last word
            if (++y[i] != 0) break;
    }

    // y = frac * ln(10), 0 <= y < ln(10).
    // ln(10) in fixed point in term, free until the series.
    y[0] = 0;
    widefp::constants::ln10_fixed(term, n);
    widefp_array_mul(y, y, term, n);

    // sum = e^y = 10^frac.
    for (uint64_t i = 0; i < n; ++i) term[i] = sum[i] = y[i];
    sum[0] += 1;
    uint64_t z = 0;
    uint64_t k = 2;
    do {
        // term[0..z-1] are zero words: their products are skipped.
        widefp::detail::array_mul_skip(term, term, y, n, z);
        if (z > 0 && term[z - 1] != 0) --z;
        widefp_array_idiv(term, term, k, n, &z);
        widefp_array_add(sum, sum, term, n);
        ++k;
    } while (z != n);

    // digits = 10^frac * mantissa, in [1, 20).
    uint64_t *m = y;
    m[0] = 1;
    for (uint64_t i = 1; i <= p; ++i) m[i] = x[i];
    m[p + 1] = 0;
    widefp_array_mul(digits, sum, m, n);
    if (digits[0] >= 10) {
        uint64_t z10 = 0;
        widefp_array_idiv(digits, digits, 10, n, &z10);
        ++e;
    }

    // Exactly where it matters: the series' value lies within a few units,
    // so the exact one has the leading digit of e, or of a neighbour of e at
    // a power of ten.
    uint64_t *exact = term;
    auto exact_digits = [&](int64_t cand) {
        return widefp::detail::guard("converting to decimal", [&] { return ceil_digits(x, p, cand, exact); });
    };
    for (int64_t cand = e, tries = 0; tries < 2 && exact_digits(cand); ++tries) {
        if (exact[0] >= 10) {
            ++cand;
        } else if (exact[0] == 0) {
            --cand;
        } else {
            for (uint64_t i = 0; i < n; ++i) digits[i] = exact[i];
            e = cand;
            break;
        }
    }
    *exponent = e;
}

// Scientific notation: [-]d[.ddd]e(+|-)x.  Consumes the digit array.
// The caller's buffer holds at least d+26 characters.
extern "C" void widefp_scientific_format(uint64_t control, uint64_t *digits, int64_t exponent, char *out) {
    const uint64_t w = control_w(control);
    const uint64_t d = control_d(control);
    __int128 e = exponent;  // may step past INT64_MAX on a carry

    char *q = out;
    if (control & kNegativeBit) *q++ = '-';
    char *lead = q;
    *q++ = static_cast<char>('0' + digits[0]);
    *q++ = '.';
    char *frac = q;
    q = widefp::wrl_hex2dec(digits, w, q, d + 1);
    char *round = q - 1;

    // A rounding digit of 5 or more adds one unit to the d digits before it.
    if (*round >= '5') {
        char *c = round - 1;
        while (c >= frac && *c == '9') *c-- = '0';
        if (c >= frac) {
            ++*c;
        } else if (*lead == '9') {
            *lead = '1';
            ++e;
        } else {
            ++*lead;
        }
    }
    q = round;  // drop the rounding digit
    if (d == 0) {
        q = frac - 1;  // and the point
    } else if (control & kTrimBit) {
        while (q > frac && q[-1] == '0') --q;
        if (q == frac) --q;
    }

    *q++ = (control & kUpperBit) ? 'E' : 'e';
    *q++ = e >= 0 ? '+' : '-';
    unsigned __int128 mag = e >= 0 ? static_cast<unsigned __int128>(e) : static_cast<unsigned __int128>(-e);
    char tmp[48];
    int len = 0;
    do {
        tmp[len++] = static_cast<char>('0' + static_cast<int>(mag % 10));
        mag /= 10;
    } while (mag != 0);
    while (len > 0) *q++ = tmp[--len];
    *q = '\0';
}

// Fixed notation: [-]iii[.fff] with d digits after the point.  Consumes the
// digit array.  The caller guarantees E+d+2 <= 65,536 when E >= -d, and an
// output buffer that holds the text.
extern "C" void widefp_fixed_format(uint64_t control, uint64_t *digits, int64_t exponent, char *out) {
    const uint64_t w = control_w(control);
    const uint64_t d = control_d(control);
    const bool trim = (control & kTrimBit) != 0;
    const int64_t sd = static_cast<int64_t>(d);
    char *q = out;

    if (exponent <= -sd - 1) {
        // Below one unit of the last place: zero or one unit of it.
        if (control & kNegativeBit) *q++ = '-';
        const bool one = exponent == -sd - 1 && digits[0] >= 5;
        if (d == 0) {
            *q++ = one ? '1' : '0';
        } else {
            *q++ = '0';
            *q++ = '.';
            for (uint64_t i = 1; i < d; ++i) *q++ = '0';
            *q++ = one ? '1' : '0';
        }
        q = finish_fraction(out, q, trim);
        *q = '\0';
        return;
    }

    // The leading digit and E+d+1 digits, the last of them the rounding digit.
    int64_t e = exponent;
    const uint64_t len = static_cast<uint64_t>(e + sd) + 2;
    std::unique_ptr<char[]> buf = widefp::detail::heap_array<char>(len);
    buf[0] = static_cast<char>('0' + digits[0]);
    widefp::wrl_hex2dec(digits, w, buf.get() + 1, len - 1);
    const uint64_t r = len - 1;
    if (buf[r] >= '5') {
        buf[r] = '0';
        uint64_t i = r - 1;
        while (i > 0 && buf[i] == '9') buf[i--] = '0';
        if (i > 0) {
            ++buf[i];
        } else if (buf[0] == '9') {
            buf[0] = '1';
            buf[1] = '0';
            ++e;  // the former rounding position becomes the last fraction digit
        } else {
            ++buf[0];
        }
    }

    if (control & kNegativeBit) *q++ = '-';
    if (e < 0) {
        *q++ = '0';
        *q++ = '.';
        for (int64_t i = 0; i < -e - 1; ++i) *q++ = '0';
        const uint64_t take = static_cast<uint64_t>(sd + e + 1);
        for (uint64_t i = 0; i < take; ++i) *q++ = buf[i];
    } else {
        const uint64_t ints = static_cast<uint64_t>(e) + 1;
        for (uint64_t i = 0; i < ints; ++i) *q++ = buf[i];
        *q++ = '.';
        for (uint64_t i = 0; i < d; ++i) *q++ = buf[ints + i];
    }
    q = finish_fraction(out, q, trim);
    *q = '\0';
}

// ---- buffer sizes and bounded formatting -----------------------------------

extern "C" uint64_t widefp_scientific_format_size(uint64_t control, int64_t) {
    // sign, digit, point, d+1 digits (the rounding digit is written, then
    // dropped), letter, sign, up to 19 exponent digits, NUL
    return control_d(control) + 26;
}

extern "C" uint64_t widefp_fixed_format_size(uint64_t control, int64_t exponent) {
    const uint64_t d = control_d(control);
    // Below the last place, or E < 0: sign, "0.", d digits, NUL.  Otherwise
    // sign, E+2 integer digits (after a carry), point, d digits, NUL; the
    // scratch for the digits is separate.
    if (exponent < 0) return d + 4;
    return static_cast<uint64_t>(exponent) + d + 5;
}

namespace {

using Formatter = void (*)(uint64_t, uint64_t *, int64_t, char *);

uint64_t format_bounded(Formatter f, uint64_t bound, uint64_t control, const uint64_t *digits, int64_t e,
                        char *out, uint64_t size) {
    const uint64_t w = control_w(control);
    if (w < 2 || digits[0] > 9) {
        if (size >= 1) out[0] = '\0';
        return 0;
    }
    return widefp::detail::guard("formatting a number", [&] {
        std::unique_ptr<uint64_t[]> copy = widefp::detail::heap_words(w);
        std::memcpy(copy.get(), digits, w * sizeof(uint64_t));
        std::unique_ptr<char[]> text = widefp::detail::heap_array<char>(bound);
        f(control, copy.get(), e, text.get());
        const uint64_t need = std::strlen(text.get()) + 1;
        if (need <= size) {
            std::memcpy(out, text.get(), need);
        } else if (size >= 1) {
            out[0] = '\0';
        }
        return need;
    });
}

}  // namespace

extern "C" uint64_t widefp_scientific_format_n(uint64_t control, const uint64_t *digits, int64_t exponent,
                                               char *out, uint64_t size) {
    return format_bounded(widefp_scientific_format, widefp_scientific_format_size(control, exponent), control,
                          digits, exponent, out, size);
}

extern "C" uint64_t widefp_fixed_format_n(uint64_t control, const uint64_t *digits, int64_t exponent, char *out,
                                          uint64_t size) {
    return format_bounded(widefp_fixed_format, widefp_fixed_format_size(control, exponent), control, digits,
                          exponent, out, size);
}
