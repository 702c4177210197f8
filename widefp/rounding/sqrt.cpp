// sqrt.cpp -- correctly rounded square root and hypot, by an exact integer square root with remainder.
//
// A widereal result of precision p is read off the integer square root S
// of a normalised integer N of 2n words, n = p+1: S has n words, its top
// bit set, and the remainder N - S^2 says whether anything is left.  S is
// developed one 64-bit digit at a time like a long division whose divisor,
// twice the root found so far, grows by one word a step: about n^2/2 word
// products, no more than half a division of the same length, and the
// rounding needs no second look.
#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

#include "kernel/addmul_row.h"
#include "kernel/karatsuba.h"
#include "kernel/mul_columns.h"
#include "rounding/arith.h"
#include "rounding/ziv.h"

namespace widefp::rnd {
namespace {

// ---- integer square root ---------------------------------------------------------

// floor(sqrt(a0 2^64 + a1)) for a0 >= 2^62: the double root d of a0's top
// bits is within 2^12 of it; s + (a - s^2)/(2d) in double arithmetic is
// then within 2 (the term (s - root)^2/(2s) < 2^24/2^64 left out, the
// rounding errors far below a unit), and exact steps finish.  The
// conversions go through signed words (a0/2, a0 >= 2^62; d - 2^63, d >=
// 2^63), and 1/(2d) is formed beside the integer work.
inline uint64_t sqrt_two_words(uint64_t a0, uint64_t a1) {
    WIDEFP_ASSERTD(a0 >> 62);
    const u128 a = (static_cast<u128>(a0) << 64) | a1;
    const double d = std::sqrt(static_cast<double>(static_cast<int64_t>(a0 >> 1)) * 0x1p65);
    const double half_inverse = 0.5 / d;
    uint64_t s = d >= 0x1p64 ? ~uint64_t{0} : static_cast<uint64_t>(static_cast<int64_t>(d - 0x1p63)) + kHalf;
    const u128 sq = static_cast<u128>(s) * s;
    const bool above = sq > a;
    const u128 gap = above ? sq - a : a - sq;  // below 2^78
    const double gd = static_cast<double>(static_cast<int64_t>(gap >> 64)) * 0x1p64 +
                      static_cast<double>(static_cast<int64_t>(static_cast<uint64_t>(gap) >> 1)) * 2.0;
    const uint64_t step = static_cast<uint64_t>(static_cast<int64_t>(gd * half_inverse));
    s = above ? s - step : (step > ~s ? ~uint64_t{0} : s + step);
    while (static_cast<u128>(s) * s > a) --s;
    while (s != ~uint64_t{0} && static_cast<u128>(s + 1) * (s + 1) <= a) ++s;
    return s;
}

// ---- the root's digits, on complemented words (the division's row steps) ----------
// The remainder is kept complemented (see kernel/addmul_row.h): the row
// subtraction of the division serves each digit as it is.

// After a digit q = d+1 that was one too large: r[0..k+2] += 2 S beta + 2d + 1
// on true words, 2S = (1; y[0..k-1]) placed at r[1..k+1].  Returns true when
// the sum carries out of r[0] (the remainder is back at zero or above).
inline bool add_back(uint64_t *r, const uint64_t *y, uint64_t d, uint64_t k) {
    u128 s = static_cast<u128>(r[k + 2]) + (d << 1) + 1;
    r[k + 2] = static_cast<uint64_t>(s);
    s = static_cast<u128>(r[k + 1]) + y[k - 1] + (d >> 63) + static_cast<uint64_t>(s >> 64);
    r[k + 1] = static_cast<uint64_t>(s);
    for (uint64_t j = k - 1; j-- > 0;) {
        s = static_cast<u128>(r[j + 2]) + y[j] + static_cast<uint64_t>(s >> 64);
        r[j + 2] = static_cast<uint64_t>(s);
    }
    const u128 top = (static_cast<u128>(r[0]) << 64) | r[1];
    const u128 sum = top + 1 + static_cast<uint64_t>(s >> 64);
    r[0] = static_cast<uint64_t>(sum >> 64);
    r[1] = static_cast<uint64_t>(sum);
    return sum < top;
}

// The square root S of the integer N held complemented in rem[1..2n]
// (n >= 2 words of root, N's leading word >= 2^62; rem[0] = ~0 on entry;
// rem is overwritten).  On return (1; y[0..n-1]) = 2S, and the result tells
// whether N - S^2 is nonzero.
//
// Step k (k = 1..n-1) has the root S_k of the leading 2k words and their
// remainder R_k <= 2 S_k; it brings down two words, R' = R_k beta^2 + ...,
// and takes the largest digit d with (2 S_k beta + d) d <= R'.  The
// remainder window is rem[k..2k+2], twice the root is (1; y[0..k-1]), so
// the digit is a quotient of the window by (1; y[0..k-1]; d): its estimate
// from the three leading words of R'/2 and the two leading words of S (the
// 3-by-2 estimate of the division) is never below it and rarely one or two
// above, which the add-back settles.  Then 2 S_(k+1) = (1; y[0..k-1]; d) + d.
bool sqrt_rem(uint64_t *y, uint64_t *rem, uint64_t n) {
    WIDEFP_ASSERTD(n >= 2 && rem[0] == ~uint64_t{0} && (~rem[1] >> 62) != 0);
    const uint64_t a0 = ~rem[1], a1 = ~rem[2];
    const uint64_t s0 = sqrt_two_words(a0, a1);
    const u128 r0 = ((static_cast<u128>(a0) << 64) | a1) - static_cast<u128>(s0) * s0;
    rem[1] = ~static_cast<uint64_t>(r0 >> 64);
    rem[2] = ~static_cast<uint64_t>(r0);
    y[0] = s0 << 1;
    uint64_t c0 = 0, c1 = 0, d1 = 0, d0 = 0, v = 0;
    bool have_inverse = false;
    for (uint64_t k = 1; k < n; ++k) {
        uint64_t *r = rem + k;
        const uint64_t y1 = k >= 2 ? y[1] : 0;
        if (!have_inverse || y[0] != c0 || y1 != c1) {  // S's leading words: fixed once known, but for carries
            c0 = y[0];
            c1 = y1;
            d1 = kHalf | (c0 >> 1);
            d0 = (c0 << 63) | (c1 >> 1);
            v = inverse_3by2(d1, d0);
            have_inverse = true;
        }
        const uint64_t t0 = ~r[0], t1 = ~r[1], t2 = ~r[2], t3 = ~r[3];
        WIDEFP_ASSERTD(t0 <= 1);
        uint64_t q = estimate_3by2((t0 << 63) | (t1 >> 1), (t1 << 63) | (t2 >> 1), (t2 << 63) | (t3 >> 1), d1, d0, v);
        y[k] = q;
        if (submul(r, y, q, k + 1, kHaveAdx)) {  // q too large: the remainder went negative
            complement(r, k + 3);
            do {
                --q;
            } while (!add_back(r, y, q, k));
            complement(r, k + 3);
        }
        // 2 S_(k+1) = 2 S_k beta + 2q: the carry of 2q never passes y[0].
        y[k] = q << 1;
        if (q >> 63)
            for (uint64_t j = k; j-- > 0 && ++y[j] == 0;) {
            }
    }
    uint64_t rest = 0;
    for (uint64_t j = n - 1; j <= 2 * n; ++j) rest |= ~rem[j];
    return rest != 0;
}

// Scratch of the root: 3n+1 words (rem: 2n+1, y: n), on the stack for the
// precisions most used.
class RootScratch {
public:
    static constexpr uint64_t kLocalN = 65;
    explicit RootScratch(uint64_t n) {
        if (n > kLocalN) {
            heap_ = heap_words(3 * n + 1);
            rem = heap_.get();
        } else {
            rem = local_;
        }
        y = rem + 2 * n + 1;
    }
    RootScratch(const RootScratch &) = delete;
    RootScratch &operator=(const RootScratch &) = delete;
    uint64_t *rem;
    uint64_t *y;

private:
    uint64_t local_[3 * kLocalN + 1];
    std::unique_ptr<uint64_t[]> heap_;
};

// y = the root of N (complemented in rem[1..2n]) times 2^(e - 64p - 63), rounded: with S
// the integer root (n = p+1 words), (1; Y) = 2S gives the truncated result
// (1; Y[0..p-1]) and Y[p] twice the 63 bits of S below it, an even word
// to which the remainder adds less than 2 units: Y[p] | (remainder != 0)
// is an exact guard word.  `sticky`: the part of N below rem[2n] was
// nonzero (it moves the root by less than a unit of S's last bit, and
// only makes the remainder nonzero).
int round_root(uint64_t *y, RootScratch &s, uint64_t p, int64_t e, bool sticky, int mode) {
    const bool rest = sqrt_rem(s.y, s.rem, p + 1);
    return round_value(y, p, false, e, s.y, p, s.y[p] | (rest || sticky), mode);
}

// One word: N = A 2^128 with A = 1.F moved up sh bits (two words).  First
// an approximation S' of the root S = floor(sqrt(N)) = 2^64 sqrt(A): s0,
// the double root, within 2^13 of sqrt(A), and sqrt(A) = s0 + delta with
// delta = (A - s0^2)/(sqrt(A) + s0), taken as (A - s0^2)/(2d) in double
// arithmetic: the term delta (sqrt(A) - s0)/(2 s0) left out is below 2^-38,
// the rounding errors below 2^-51 of |delta| < 2^14, so |S' - S| < 2^28
// units of S's last bit.  The guard word of S' (twice its 63 bits below the
// result) then decides unless it lies within 2^30 of 0, a half or a unit.
// Otherwise exactly: the root s of A and its remainder R = A - s^2 <= 2s,
// then the largest digit d with (2s 2^64 + d) d <= R 2^128, estimated as
// floor(R 2^63 / s) (never below it, at most one above), checked on the
// remainder R 2^128 - (2s 2^64 + d) d over four words.
int sqrt_one_word(uint64_t *y, const uint64_t *x, int64_t e, unsigned sh, int mode) {
    const uint64_t a0 = (uint64_t{1} << sh) | (x[1] >> (64 - sh)), a1 = x[1] << sh;
    {
        const u128 a = (static_cast<u128>(a0) << 64) | a1;
        const double dr = std::sqrt(static_cast<double>(static_cast<int64_t>(a0 >> 1)) * 0x1p65);
        const double half_inverse = 0.5 / dr;
        if (dr < 0x1p64 - 0x1p20) {
            const uint64_t s0 = static_cast<uint64_t>(static_cast<int64_t>(dr - 0x1p63)) + kHalf;
            const u128 sq = static_cast<u128>(s0) * s0;
            const bool above = sq > a;
            const u128 gap = above ? sq - a : a - sq;  // below 2^79
            const double delta = (static_cast<double>(static_cast<int64_t>(gap >> 64)) * 0x1p64 +
                                  static_cast<double>(static_cast<int64_t>(static_cast<uint64_t>(gap) >> 1)) * 2.0) *
                                 half_inverse;
            const uint64_t di = static_cast<uint64_t>(static_cast<int64_t>(delta));
            const uint64_t lo = static_cast<uint64_t>(static_cast<int64_t>((delta - static_cast<double>(di)) * 0x1p63)) << 1;
            const uint64_t hi = above ? s0 - di - (lo != 0) : s0 + di, low = above ? 0 - lo : lo;
            const uint64_t g = low << 1;
            constexpr uint64_t kMargin = uint64_t{1} << 30;
            if (g > kMargin && g < ~kMargin && (g < kHalf - kMargin || g > kHalf + kMargin)) {
                const uint64_t f = (hi << 1) | (low >> 63);
                return round_short(y, 1, false, e >> 1, &f, g | 1, mode);
            }
        }
    }
    const uint64_t s = sqrt_two_words(a0, a1);
    const u128 R = ((static_cast<u128>(a0) << 64) | a1) - static_cast<u128>(s) * s;  // below 2^65
    const uint64_t hi = static_cast<uint64_t>(R >> 1), lo = static_cast<uint64_t>(R) << 63;
    uint64_t rest, d = hi >= s ? ~uint64_t{0} : div_word(hi, lo, s, &rest);
    // r = R 2^128 - (2s 2^64 + d) d as four words r3..r0 (two's complement)
    const u128 sd = static_cast<u128>(s) * d, dd = static_cast<u128>(d) * d;
    // (2s 2^64 + d) d = 2 sd 2^64 + dd: words m3..m0
    const uint64_t m0 = static_cast<uint64_t>(dd);
    u128 t = (dd >> 64) + (static_cast<u128>(static_cast<uint64_t>(sd)) << 1);
    const uint64_t m1 = static_cast<uint64_t>(t);
    t = (t >> 64) + ((sd >> 64) << 1);
    const uint64_t m2 = static_cast<uint64_t>(t), m3 = static_cast<uint64_t>(t >> 64);
    uint64_t r0 = 0 - m0, b = m0 != 0;
    uint64_t r1 = 0 - m1 - b;
    b = (m1 | b) != 0;
    uint64_t r2 = static_cast<uint64_t>(R) - m2 - b;
    b = static_cast<uint64_t>(R) < m2 || (static_cast<uint64_t>(R) == m2 && b);
    uint64_t r3 = static_cast<uint64_t>(R >> 64) - m3 - b;
    while (r3 >> 63) {  // negative: d one too large; r += 2s 2^64 + 2(d-1) + 1
        --d;
        u128 c = static_cast<u128>(r0) + (d << 1) + 1;
        r0 = static_cast<uint64_t>(c);
        c = (c >> 64) + r1 + (d >> 63) + (s << 1);
        r1 = static_cast<uint64_t>(c);
        c = (c >> 64) + r2 + (s >> 63);
        r2 = static_cast<uint64_t>(c);
        r3 += static_cast<uint64_t>(c >> 64);
    }
    // 2 (s 2^64 + d) = (1; f, g'): the fraction f and the guard word g'.
    const uint64_t f = (s << 1) | (d >> 63), g = (d << 1) | ((r0 | r1 | r2 | r3) != 0);
    return round_short(y, 1, false, e >> 1, &f, g, mode);
}

// ---- hypot ----------------------------------------------------------------------

// out[0..2n-1] = (1; x[1..p])^2, n = p+1.  kscratch: karatsuba_scratch_words(n).
void square_significand(uint64_t *out, const uint64_t *x, uint64_t p, uint64_t *one_x, uint64_t *kscratch) {
    const uint64_t n = p + 1;
    one_x[0] = 1;
    std::memcpy(one_x + 1, x + 1, p * sizeof(uint64_t));
    karatsuba_product(kscratch, one_x, one_x, n);
    std::memcpy(out, kscratch, 2 * n * sizeof(uint64_t));
}

// a^2 + b^2 for |a| >= |b| in exponent, both finite and nonzero, with
// 2(ea - eb) <= 64p + 2: the sum V 2^(2 ea), V = A^2 + B^2 2^-2(ea-eb) in
// [1, 8) with A, B the significands, exactly as a fixed-point array of
// L = 3p+2 fraction words; then M = V/4^j in [1, 4) (j = 1 when V >= 4)
// gives N = floor(M 2^(128p+126)), the words 1..2p+2 of V shifted right by
// 2+2j bits, the rest sticky; the root is sqrt(M) 2^(ea+j).
int hypot_exact(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    const uint64_t n = p + 1, L = 3 * p + 2;
    const int64_t ea = unbiased_of(a);
    const uint64_t D = 2 * static_cast<uint64_t>(ea - unbiased_of(b));
    WIDEFP_ASSERTD(D <= 64 * p + 2);
    Scratch s(2 * (L + 1) + 2 * n + n + karatsuba_scratch_words(n));
    uint64_t *v = s.get(), *w = v + (L + 1), *sq = w + (L + 1), *one_x = sq + 2 * n, *ks = one_x + n;
    // The squares have 2n words: word 0 is 0, word 1 the integer part (1..3),
    // words 2..2n-1 the 2p fraction words.
    square_significand(sq, a, p, one_x, ks);
    std::memcpy(v, sq + 1, (2 * n - 1) * sizeof(uint64_t));  // v[0..2p], the rest zero
    square_significand(sq, b, p, one_x, ks);
    const uint64_t ws = D / 64, bs = D % 64;  // B^2 moved right by D bits into w
    for (uint64_t i = 0; i < 2 * n - 1; ++i) {
        const uint64_t word = sq[1 + i];
        w[i + ws] |= bs ? word >> bs : word;
        if (bs && i + ws + 1 <= L) w[i + ws + 1] |= word << (64 - bs);
    }
    add_words(v, v, w, L + 1, 0);
    const uint64_t j = v[0] >= 4 ? 1 : 0, sh = 2 + 2 * j;
    RootScratch root(n);
    root.rem[0] = ~uint64_t{0};
    for (uint64_t i = 1; i <= 2 * n; ++i) root.rem[i] = ~((v[i - 1] << (64 - sh)) | (v[i] >> sh));
    uint64_t sticky = v[2 * n] << (64 - sh);
    for (uint64_t i = 2 * n + 1; i <= L; ++i) sticky |= v[i];
    return round_root(y, root, p, ea + static_cast<int64_t>(j), sticky != 0, mode);
}

}  // namespace
}  // namespace widefp::rnd

using namespace widefp::rnd;

extern "C" {

int widefp_rnd_sqrt(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_sqrt", p, mode);
    // ---- special operands: sqrt(-0) = -0 ----
    if (is_zero(x)) return set_zero(y, p, is_neg(x));
    if (is_neg(x)) domain_error("rnd_sqrt");
    if (is_inf(x)) return set_inf(y, p, false);

    // x = M 2^(2h), M = 1.F 2^(e - 2h) in [1, 4); N = M 2^(128p+126) is the
    // significand moved up 62 or 63 bits over n = p+1 words, then n zero
    // words.  The root lies in [1, 2) times 2^h: always inside the range.
    const int64_t e = unbiased_of(x);
    const unsigned sh = 62 + static_cast<unsigned>(e & 1);
    const uint64_t n = p + 1;
    if (p == 1) return sqrt_one_word(y, x, e, sh, mode);
    RootScratch root(n);
    uint64_t *rem = root.rem;  // complemented
    rem[0] = ~uint64_t{0};
    rem[1] = ~((uint64_t{1} << sh) | (x[1] >> (64 - sh)));
    for (uint64_t j = 1; j < p; ++j) rem[1 + j] = ~((x[j] << sh) | (x[j + 1] >> (64 - sh)));
    rem[n] = ~(x[p] << sh);
    std::memset(rem + n + 1, 0xff, n * sizeof(uint64_t));
    return round_root(y, root, p, e >> 1, false, mode);
}

int widefp_rnd_hypot(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    check_args("rnd_hypot", p, mode);
    // ---- special operands ----
    if (is_inf(a) || is_inf(b)) return set_inf(y, p, false);
    if (is_zero(a) || is_zero(b)) {  // |the other| exactly
        const uint64_t *x = is_zero(a) ? b : a;
        if (is_zero(x)) return set_zero(y, p, false);
        if (y != x) std::memcpy(y + 1, x + 1, p * sizeof(uint64_t));
        y[0] = x[0] & kExpMask;
        return 0;
    }
    if (unbiased_of(a) < unbiased_of(b)) std::swap(a, b);
    // b^2 below a quarter unit of a's last place: 2(ea - eb) >= 64p + 3 gives
    // |a| < hypot < |a| + b^2/(2|a|) < |a| + 2^(2eb - ea + 1) <= |a| + ulp(a)/4.
    if (static_cast<uint64_t>(unbiased_of(a) - unbiased_of(b)) >= 32 * p + 2)
        return round_value(y, p, false, unbiased_of(a), a + 1, p, 1, mode);
    return hypot_exact(y, a, b, p, mode);
}

}  // extern "C"
