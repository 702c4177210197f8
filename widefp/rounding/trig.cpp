// trig.cpp -- correctly rounded sine, cosine and tangent: reduction by multiples of pi/2, 1 - cos of a halved argument by its series, doublings, Ziv's test.
#include <cstring>

#include "rounding/trig.h"

using namespace widefp::rnd;

namespace {

enum class Fn { sin, cos, tan };

// Arguments from 2^65536 on are refused (the reduction's constants end
// there, as for widefp_float_sin).
constexpr int64_t kMaxExponent = 65535;
// Largest working precision: the reduction takes at most 1,024 words.
constexpr uint64_t kMaxWork = 1024;

// ---- 1 - cos a ---------------------------------------------------------------
// Halvings K for working precision n and |r| = 1.f 2^er: the series runs on
// a = r 2^-K below 2^-K0.  Each halving costs a squaring in the doubling
// step, each bit of |a| lost about 64n/(2 K0 + 8)^2 terms of the series:
// K0 = (sqrt(43 n) - 8)/2 balances the two.
int64_t halvings(int64_t er, uint64_t n) {
    int64_t k0 = 1;
    while ((2 * k0 + 10) * (2 * k0 + 10) <= static_cast<int64_t>(43 * n)) ++k0;
    return er + k0 > 0 ? er + k0 : 0;
}

// w (m words, the integer word first) shifted right by b bits in place.
void shift_right(uint64_t *w, uint64_t b, uint64_t m) {
    const uint64_t q = b / 64, s = b % 64;
    if (q >= m) {
        std::memset(w, 0, m * sizeof(uint64_t));
        return;
    }
    for (uint64_t j = m; j-- > q;) {
        const uint64_t hi = w[j - q];
        const uint64_t lo = s && j > q ? w[j - q - 1] : 0;
        w[j] = s ? (hi >> s) | (lo << (64 - s)) : hi;
    }
    std::memset(w, 0, q * sizeof(uint64_t));
}

}  // namespace

namespace widefp::rnd {

// C (precision n) = 1 - cos r for a widereal r of precision n, 0 < |r| <=
// 0.8; returns the bound of its relative error in units of 2^-64n (r taken
// as exact); scratch: 4(n+2) words.  Shared with inverse_trig.cpp.
//
// a = |r| 2^-K, A = a 2^s in [1/2, 1).  With S = a^2 and d(k) = (2k-1)2k,
//   1 - cos a = S/2 (1 - S/d(2) (1 - S/d(3) (... (1 - S/d(N)))))
// by Horner's rule from the innermost bracket on working arrays of S' = A^2
// (the division by d(k) 4^s at once while it fits a word).  The bracket of
// depth k enters the result scaled by S^(k-2)/(d(2)...d(k-1)) < 2^-B(k),
// B(k) the bits below its leading one that the factors S/d(j), j < k, each
// of at least 2s + floor(log2 d(j)) bits, have gained: it runs on
// n + 1 - floor(B(k)/64) words, which puts its rounding errors (a product,
// a quotient and the truncated S', two units of its last word) at most two
// units of 2^-64n into the result.  N is the first count whose omitted
// bracket lies below 2^-(64n+2).  Then K doublings 1 - cos 2a = 4c - 2c^2,
// each two units (a truncated product and difference; the error of c passes
// through with a factor (4 - 4c)/(4 - 2c) <= 1).
double one_minus_cos(uint64_t *C, const uint64_t *r, uint64_t n, uint64_t *scratch) {
    WIDEFP_ASSERTD(n >= 1 && !is_zero(r) && !is_inf(r) && unbiased_of(r) <= -1);
    const int64_t er = unbiased_of(r);
    const int64_t K = halvings(er, n);
    const int64_t ea = er - K;  // |a| in [2^ea, 2^(ea+1)), ea <= -1
    const int64_t s = -ea - 1;
    uint64_t *A2 = scratch, *S = A2 + (n + 2), *w = S + (n + 2), *T = w + (n + 2);
    std::memcpy(A2, r, (n + 1) * sizeof(uint64_t));
    A2[0] &= kExpMask;
    widefp_float_mul(A2, A2, A2, n);
    A2[0] -= static_cast<uint64_t>(2 * K);  // a^2
    widefp_widereal_to_array(A2, unbiased_of(A2) + 2 * s, S, n + 1);  // S' = A^2 in [1/4, 1)

    // N and the total of the bits gained, up to the omitted bracket.
    const int64_t target = 64 * static_cast<int64_t>(n) + 2;
    auto gain = [s](int64_t k) {
        const uint64_t d = static_cast<uint64_t>(2 * k - 1) * static_cast<uint64_t>(2 * k);
        return 2 * s + 63 - __builtin_clzll(d);
    };
    int64_t total = 0, k = 1;
    while (total < target) total += gain(++k);
    const int64_t N = k - 1;

    std::memset(w, 0, (n + 1) * sizeof(uint64_t));
    w[0] = 1;
    int64_t B = total - gain(N + 1);  // B(N+1); B(k) = B(k+1) - gain(k)
    for (int64_t j = N; j >= 2; --j) {
        B -= gain(j);
        const uint64_t drop = static_cast<uint64_t>(B / 64);
        const uint64_t m = drop + 2 > n + 1 ? 2 : n + 1 - drop;
        const uint64_t d = static_cast<uint64_t>(2 * j - 1) * static_cast<uint64_t>(2 * j);
        widefp_array_mul(w, w, S, m);
        uint64_t z = 0;
        if (2 * s + 64 - __builtin_clzll(d) <= 64) {
            widefp_array_idiv(w, w, d << (2 * s), m, &z);
        } else {
            widefp_array_idiv(w, w, d, m, &z);
            shift_right(w, static_cast<uint64_t>(2 * s), m);
        }
        widefp_array_2s_complement(w, w, m);
    }
    // w in (0.95, 1], then c = a^2 w / 2.
    if (w[0] == 0) {
        widefp_sll_onebit(w, n + 1);
        w[0] = kBias - 1;
    } else {
        w[0] = kBias;
    }
    widefp_float_mul(C, A2, w, n);
    C[0] -= 1;
    // The bracket: 2 units per level (N - 1 levels), the omitted one, w read
    // at n words: 2N + 1 units of its value >= 0.95; a^2 and the product two
    // more each.
    double err = 2.2 * static_cast<double>(N) + 6;
    for (int64_t i = 0; i < K; ++i) {  // c = 4c - 2c^2, c < 0.31
        widefp_float_mul(T, C, C, n);
        T[0] += 1;
        C[0] += 2;
        widefp_float_sub(C, C, T, n);
    }
    return err + 2.4 * static_cast<double>(K);
}

}  // namespace widefp::rnd

namespace {

// 1 less a tail below the next word's unit (cos of a tiny argument).
int just_below_one(uint64_t *y, uint64_t p, int mode) {
    Scratch s(p + 1);
    uint64_t *F = s.get();
    std::memset(F, 0xff, (p + 1) * sizeof(uint64_t));
    return round_value(y, p, false, -1, F, p + 1, ~uint64_t{0}, mode);
}

// Scratch of one approximation at working precision n: the kernel's four
// numbers from A2 on.
struct Work {
    uint64_t *X, *R, *A2, *C, *T, *U, *V, *sq;
    Work(uint64_t *s, uint64_t n) {
        const uint64_t l = n + 2;  // every number: n+1 words and one spare
        X = s;
        R = X + l;
        A2 = R + l;  // and three more
        C = A2 + 4 * l;
        T = C + l;
        U = T + l;
        V = U + l;
        sq = X;  // 4n+8 words for the square root, over X..A2 (no longer needed then)
    }
    static uint64_t words(uint64_t n) { return 10 * (n + 2); }
};

// Bits of err (a count of units of 2^-64n relative) for round_approx: the
// value lies below 2^(e+1), so err units relative are below 2^(e+1-64n)
// err; one bit more for margin.
int64_t bits_of(double units) {
    int64_t b = 0;
    while (static_cast<double>(int64_t{1} << b) < units) ++b;
    return b + 2;
}

// One approximation of f(x) at working precision n (p < n <= 1024) into
// out (a widereal of precision n); returns the err of round_approx, or -1
// when the reduced argument came out zero (no approximation).
//
// |x| = m pi/2 + r, |r| <= pi/4 (widefp_add_reduction at n words: r right
// to 2^-8 of a unit in its word n, read at n words: 1.01 units of 2^-64n).
// r's error reaches sin r with the factor r cot r <= 1, cos r with r tan r
// <= 0.79, tan r and cot r with 2r / sin 2r <= 1.58.
int64_t approximate(uint64_t *out, const uint64_t *x, uint64_t p, uint64_t n, Fn f, Work &W) {
    WIDEFP_ASSERTD(p < n && n <= kMaxWork && !is_zero(x) && !is_inf(x));
    std::memset(W.X, 0, (n + 1) * sizeof(uint64_t));
    std::memcpy(W.X, x, (p + 1) * sizeof(uint64_t));
    W.X[0] &= kExpMask;
    int64_t k = 0;
    const int quadrant = widefp_add_reduction(W.X, 3, W.R, n, &k);
    uint64_t *r = W.R;
    if (is_zero(r)) return -1;
    const bool r_neg = is_neg(r);
    const bool odd = (quadrant & 1) != 0;
    // The sine of r is needed for sin with q even, cos with q odd, tan.
    const bool want_sin = f == Fn::tan || (f == Fn::sin) != odd;
    const bool want_cos = f == Fn::tan || !want_sin;

    const double ec = one_minus_cos(W.C, r, n, W.A2);
    uint64_t *C = W.C, *cosr = W.U, *sinr = W.V, *T = W.T;
    double e_sin = 0, e_cos = 0;
    if (want_cos) {  // cos r = 1 - c >= 0.7: c's error times c/cos r <= 0.43, the difference 1 unit
        std::memset(T, 0, (n + 1) * sizeof(uint64_t));
        T[0] = kBias;
        widefp_float_sub(cosr, T, C, n);
        e_cos = 0.43 * ec + 2 + 0.8;
    }
    if (want_sin) {  // |sin r| = sqrt(c (2 - c)): half the error of c (2-c) and the root's own
        std::memset(T, 0, (n + 1) * sizeof(uint64_t));
        T[0] = kBias + 1;
        widefp_float_sub(T, T, C, n);  // 2 - c in [1.69, 2]: c's error times 0.19
        widefp_float_mul(T, T, C, n);
        widefp_float_sqrt(sinr, T, n, W.sq);
        if (r_neg) sinr[0] |= kSign;
        e_sin = (1.19 * ec + 4) / 2 + 8.5 + 1.01;  // the root: 8.5 units (its own bound)
    }
    const uint64_t *src;
    double units;
    bool flip = false;
    switch (f) {
        case Fn::sin:  // q: sin r, cos r, -sin r, -cos r
            src = odd ? cosr : sinr;
            units = odd ? e_cos : e_sin;
            flip = quadrant >= 2;
            break;
        case Fn::cos:  // q: cos r, -sin r, -cos r, sin r
            src = odd ? sinr : cosr;
            units = odd ? e_sin : e_cos;
            flip = quadrant == 1 || quadrant == 2;
            break;
        default:  // tan: sin r / cos r, or -cos r / sin r
            if (odd)
                widefp_float_div(out, cosr, sinr, n);
            else
                widefp_float_div(out, sinr, cosr, n);
            src = out;
            units = e_sin + e_cos + 2 + 0.6;
            flip = odd;
            break;
    }
    if (src != out) std::memcpy(out, src, (n + 1) * sizeof(uint64_t));
    if (flip) out[0] ^= kSign;
    if (is_neg(x) && f != Fn::cos) out[0] ^= kSign;
    return bits_of(units);
}

// One attempt at working precision n with its own scratch.
int64_t attempt(uint64_t *out, const uint64_t *x, uint64_t p, uint64_t n, Fn f) {
    Scratch s(Work::words(n));
    Work W(s.get(), n);
    return approximate(out, x, p, n, f, W);
}

int trig(const char *who, Fn f, uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args(who, p, mode);
    // ---- special values, tiny and huge arguments ----
    if (is_zero(x)) {  // sin and tan keep the zero's sign; cos 0 = 1
        if (f == Fn::cos) {
            set_pow2(y, p, false, 0);
            return 0;
        }
        return set_zero(y, p, is_neg(x));
    }
    if (is_inf(x)) domain_error(who);
    const int64_t e = unbiased_of(x);
    if (e > kMaxExponent) {
        char text[96];
        std::snprintf(text, sizeof text, "%s : argument too large (|x| >= 2^65536)\n", who);
        widefp_fatal("widefp:range", text);
    }
    if (e <= -32 * static_cast<int64_t>(p) - 2) {
        if (f == Fn::cos) return just_below_one(y, p, mode);
        return round_beside(y, p, is_neg(x), e, x + 1, f == Fn::sin, mode);
    }

    // ---- Ziv's loop: working precision p+1 words, then half as much again ----
    // At 1,024 words (the reduction's limit) an undecided value is rounded as
    // if the approximation were exact: it lies within 2^(err - 64) units in
    // the last place of a rounding boundary, for p = 1023 after one attempt
    // (about 2^-50 of the arguments), otherwise after several.
    for (uint64_t n = p + 1;;) {
        Scratch s(n + 1);
        uint64_t *out = s.get();
        const int64_t err = attempt(out, x, p, n, f);
        int t;
        if (err >= 0 && round_approx(y, p, is_neg(out), unbiased_of(out), out + 1, n, err, mode, &t)) return t;
        if (n >= kMaxWork) {
            if (err < 0) {  // not met by any argument: the reduction makes up for every cancellation
                char text[112];
                std::snprintf(text, sizeof text, "%s : argument too close to a multiple of pi/2\n", who);
                widefp_fatal("widefp:range", text);
            }
            return round_value(y, p, is_neg(out), unbiased_of(out), out + 1, n, 0, mode);
        }
        n += n / 2 > 1 ? n / 2 : 1;
        if (n > kMaxWork) n = kMaxWork;
    }
}

}  // namespace

namespace widefp::rnd {

// One attempt of sin (0), cos (1) or tan (2) at working precision n, as the
// entry points make it (for the tests): out (precision n), the error bound
// in bits above its last place, -1 for none.
int64_t trig_attempt(uint64_t *out, const uint64_t *x, uint64_t p, uint64_t n, int which) {
    return attempt(out, x, p, n, static_cast<Fn>(which));
}

}  // namespace widefp::rnd

extern "C" {

int widefp_rnd_sin(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    return trig("rnd_sin", Fn::sin, y, x, p, mode);
}

int widefp_rnd_cos(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    return trig("rnd_cos", Fn::cos, y, x, p, mode);
}

int widefp_rnd_tan(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    return trig("rnd_tan", Fn::tan, y, x, p, mode);
}

}  // extern "C"
