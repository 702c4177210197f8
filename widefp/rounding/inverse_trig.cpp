// inverse_trig.cpp -- correctly rounded arctangent, arcsine, arccosine and atan2: the arctangent kernel under Ziv's test, the others through it.
#include <cmath>
#include <cstring>

#include "elementary/constants_table.h"
#include "rounding/trig.h"

using namespace widefp::rnd;

namespace {

namespace cst = widefp::constants;

// pi read to 1,024 fraction words, the largest working precision.
constexpr uint64_t kPiWords = 1024;
constexpr uint64_t kMaxWork = kPiWords;

enum class Inverse { atan, asin, acos, atan2 };

// Next working precision of Ziv's loop: half as much again, at most `cap`.
uint64_t next_precision(uint64_t n, uint64_t cap) {
    n += n / 2 > 1 ? n / 2 : 1;
    return n > cap ? cap : n;
}

// ---- multiples of pi ----------------------------------------------------------
// y = (-1)^neg num pi 2^-shift, num = 1 or 3, rounded.  The table's pi,
// truncated to q words, is below pi by less than a unit of its last word;
// 3 pi_q (the multiple's guard word exact) below 3 pi by less than 1.75
// units of its own.  Read to q = p+1 words, more while undecided.  Its
// first 1,024 words decide every p <= 1023 (the tests go through all of
// them); past them the value is rounded as it stands.
int round_pi(uint64_t *y, uint64_t p, int num, int64_t shift, bool neg, int mode) {
    for (uint64_t q = p + 1;; q = next_precision(q, kPiWords)) {
        int t;
        if (num == 1) {
            if (round_approx(y, p, neg, 1 - shift, cst::pi_quarter + 1, q, 1, mode, &t)) return t;
            if (q == kPiWords) return round_value(y, p, neg, 1 - shift, cst::pi_quarter + 1, q, 1, mode);
        } else {
            Scratch s(q + 1);
            uint64_t *T = s.get();
            cst::copy_pi(T, cst::kPiWord0, q);
            widefp_float_imul(T, T, 3, q);
            if (round_approx(y, p, neg, unbiased_of(T) - shift, T + 1, q, 1, mode, &t)) return t;
            if (q == kPiWords) return round_value(y, p, neg, unbiased_of(T) - shift, T + 1, q, 1, mode);
        }
    }
}

// a (precision p) widened to precision m, sign cleared.
void widen_abs(uint64_t *dst, const uint64_t *a, uint64_t p, uint64_t m) {
    std::memset(dst, 0, (m + 1) * sizeof(uint64_t));
    std::memcpy(dst, a, (p + 1) * sizeof(uint64_t));
    dst[0] &= kExpMask;
}

void set_one(uint64_t *dst, uint64_t m) {
    std::memset(dst, 0, (m + 1) * sizeof(uint64_t));
    dst[0] = kBias;
}

// ---- the arctangent ----------------------------------------------------------
// A (precision m) = atan t for t > 0 of precision m; returns the bound of its
// relative error in units of 2^-64m (t taken as exact).  s: 12(m+2) words.
//
// From t >= 1 on atan t = pi/2 - atan x with x = 1/t (pi/2 truncated: 2
// units, the quotient's 2 carried through the condition x/((1+x^2) atan x)
// <= 1); so x <= 1 and y = atan x <= pi/4.  Below 2^(-32m-4) atan x = x
// (x^2/3 below 2^-(64m+8)).  Otherwise Newton's iteration on
//   f(y) = sin^2 y (1 + x^2) - x^2 = c (2 - c)(1 + x^2) - x^2,  c = 1 - cos y,
// with the slope at the root, f'(atan x) = 2x:  y <- y - f(y)/(2x).  Then
// |y' - atan x| <= max|f''| e^2 / (4x) = (1 + x^2) e^2/(2x) for an error e
// of y, that is a relative error e' <= eps^2 (y <= x, x <= 1) from a
// relative eps.  The steps run at precisions doubling up to m from the
// double's arctangent (2^-50), or x itself below 2^-30 (x^2/3 < 2^-60).  A
// step at w words adds the rounding of f: its terms near x^2 carry c's
// relative error and 7 units (2 - c, two products, x^2 and 1 + x^2), the
// difference 1 unit of x^2, and f/(2x) with 1/(2x) another 4: over 2x and
// relative to y >= x pi/4 at most (ec + 12) 2/pi units, and the step's
// difference one: 0.64 ec + 9 units of 2^-64w (one more below: the squares
// too small for a double).
double atan_kernel(uint64_t *A, const uint64_t *t, uint64_t m, uint64_t *s) {
    WIDEFP_ASSERTD(m >= 1 && m <= kPiWords && !is_neg(t) && !is_zero(t) && !is_inf(t));
    const uint64_t l = m + 2;
    uint64_t *X = s, *X2 = X + l, *G = X2 + l, *H = G + l, *Y = H + l, *C = Y + l, *F = C + l, *K = F + l;
    const bool inv = unbiased_of(t) >= 0;
    double units = 0;  // relative error bound of y in units of 2^-64m
    set_one(F, m);
    if (inv) {
        widefp_float_div(X, F, t, m);
        units = 2;
    } else {
        std::memcpy(X, t, (m + 1) * sizeof(uint64_t));
    }
    std::memset(Y, 0, l * sizeof(uint64_t));
    if (!is_zero(X) && unbiased_of(X) < -32 * static_cast<int64_t>(m) - 4) {
        std::memcpy(Y, X, (m + 1) * sizeof(uint64_t));
        units += 0x1p-8;
    } else if (!is_zero(X)) {
        const int64_t ex = unbiased_of(X);
        widefp_float_mul(X2, X, X, m);
        widefp_float_add(G, F, X2, m);  // 1 + x^2
        widefp_float_div(H, F, X, m);
        H[0] -= 1;  // 1/(2x)
        // The error in units of 2^-64w of the last step's precision w (0
        // before the first: a plain relative error).
        double u;
        if (ex >= -30) {
            const double xd = std::ldexp(1.0 + static_cast<double>(X[1] >> 11) * 0x1p-53, static_cast<int>(ex));
            int k;
            const double f = std::frexp(std::atan(xd), &k);  // f in [1/2, 1)
            Y[0] = static_cast<uint64_t>(static_cast<int64_t>(kBias) + k - 1);
            Y[1] = static_cast<uint64_t>(std::ldexp(f, 64)) << 1;
            u = 0x1p-50;
        } else {
            Y[0] = X[0];
            Y[1] = X[1];
            u = 0x1p-60;
        }
        // Precisions m, m/2 + 1, ... down to 1 word, run upward.
        uint64_t steps[24];
        int count = 0;
        for (uint64_t w = m;; w = w / 2 + 1) {
            steps[count++] = w;
            if (w <= 2) break;
        }
        if (steps[count - 1] > 1) steps[count++] = 1;
        uint64_t last = 0;
        for (int i = count - 1; i >= 0; --i) {
            const uint64_t w = steps[i];
            const double ec = one_minus_cos(C, Y, w, K);
            F[0] = kBias + 1;  // 2 - c
            std::memset(F + 1, 0, w * sizeof(uint64_t));
            widefp_float_sub(F, F, C, w);
            widefp_float_mul(F, F, C, w);
            widefp_float_mul(F, F, G, w);
            widefp_float_sub(F, F, X2, w);
            if (!is_zero(F)) {
                widefp_float_mul(F, F, H, w);
                widefp_float_sub(Y, Y, F, w);
            }
            // eps' <= eps^2 + the step's rounding; a square that falls below
            // the doubles' range is below 2^-1000 units, and the unit added
            // covers it.
            u = std::ldexp(u * u, static_cast<int>(64 * w) - static_cast<int>(128 * last)) + 0.64 * ec + 10;
            last = w;
        }
        units += u;
    }
    if (!inv) {
        std::memcpy(A, Y, (m + 1) * sizeof(uint64_t));
        return units;
    }
    // pi/2 - y in [pi/4, pi/2]: y's error, pi/2's truncation (2 units), the
    // difference's one.
    cst::copy_pi(F, cst::kPiHalfWord0, m);
    if (is_zero(Y))
        std::memcpy(A, F, (m + 1) * sizeof(uint64_t));
    else
        widefp_float_sub(A, F, Y, m);
    return units + 3;
}

// Bits of err for round_approx from a relative error of `units` units of
// 2^-64m: the value lies below 2^(e+1); one bit more for margin.
int64_t bits_of(double units) {
    int64_t b = 0;
    while (b < 62 && static_cast<double>(int64_t{1} << b) < units) ++b;
    return b + 2;
}

// ---- atan2 of a tiny quotient ---------------------------------------------------
// True when |a/b| is a number of p words; then *e and frac (p words) hold it
// with e = the unbiased exponent of 1.A/1.B (a and b finite nonzero).  The
// candidate is the quotient of the mantissas at p+2 words rounded to p, and
// it must multiply back to 1.A exactly.
bool quotient_exact(const uint64_t *a, const uint64_t *b, uint64_t p, int64_t *e, uint64_t *frac) {
    const uint64_t m = p + 2;
    Scratch s(4 * (m + 1) + 2 * (p + 1) + 2 * (p + 1));
    uint64_t *A = s.get(), *B = A + (m + 1), *Q = B + (m + 1), *C = Q + (m + 1);
    uint64_t *MC = C + (m + 1), *MB = MC + (p + 1), *P = MB + (p + 1);
    widen_abs(A, a, p, m);
    widen_abs(B, b, p, m);
    A[0] = B[0] = kBias;
    widefp_float_div(Q, A, B, m);
    round_value(C, p, false, unbiased_of(Q), Q + 1, m, 0, WIDEFP_RNDN);
    const int64_t ec = unbiased_of(C);
    if (ec > 0) return false;  // 2: 1.A would be 2 (1.B)
    // (1.C)(1.B) 2^(128p) against (1.A) 2^(128p - ec), as integers of 2p+2 words.
    MC[0] = MB[0] = 1;
    std::memcpy(MC + 1, C + 1, p * sizeof(uint64_t));
    std::memcpy(MB + 1, b + 1, p * sizeof(uint64_t));
    std::memset(P, 0, (2 * p + 2) * sizeof(uint64_t));
    for (uint64_t i = p + 1; i-- > 0;) {
        unsigned __int128 carry = 0;
        for (uint64_t j = p + 1; j-- > 0;) {
            const unsigned __int128 t = static_cast<unsigned __int128>(MC[i]) * MB[j] + P[i + j + 1] + carry;
            P[i + j + 1] = static_cast<uint64_t>(t);
            carry = t >> 64;
        }
        P[i] = static_cast<uint64_t>(carry);
    }
    // Expected: 1.A in words 1..p+1 (ec = 0) or 2(1.A) (ec = -1), then zeros.
    uint64_t want[2] = {0, 1};  // the two top words of the expectation, then a + 1..
    if (ec == -1) {
        want[0] = 0;
        want[1] = 2 | (a[1] >> 63);
    }
    if (P[0] != want[0] || P[1] != want[1]) return false;
    for (uint64_t j = 1; j <= p; ++j) {
        const uint64_t w = ec == 0 ? a[j] : (a[j] << 1) | (j < p ? a[j + 1] >> 63 : 0);
        if (P[j + 1] != w) return false;
    }
    for (uint64_t j = p + 2; j < 2 * p + 2; ++j)
        if (P[j] != 0) return false;
    *e = ec;
    std::memcpy(frac, C + 1, p * sizeof(uint64_t));
    return true;
}

// One approximation at working precision m (p < m <= 1024): F (m fraction
// words), *e and *neg; returns the error bound in bits above F's last place.
// a finite and nonzero, inside the domain and beyond the special values; for
// atan2 b finite and nonzero too.
int64_t attempt(uint64_t *F, int64_t *e, bool *neg, Inverse f, const uint64_t *a, const uint64_t *b, uint64_t p,
                uint64_t m) {
    WIDEFP_ASSERTD(p < m && m <= kMaxWork && !is_zero(a) && !is_inf(a));
    const uint64_t l = m + 2;
    Scratch s(5 * l + 4 * (m + 1) + 8 + 12 * l);
    uint64_t *A = s.get(), *B = A + l, *C = B + l, *D = C + l, *R = D + l, *sq = R + l;
    uint64_t *k = sq + 4 * (m + 1) + 8;
    widen_abs(A, a, p, m);
    *neg = is_neg(a);
    double units = 0;  // relative error of R in units of 2^-64m
    switch (f) {
        case Inverse::atan:
            units = atan_kernel(R, A, m, k);
            break;
        case Inverse::asin:
            // asin x = atan(x / sqrt((1 - x)(1 + x))), 1 - |x| exact from 1/2 on:
            // relative errors 1 (1 - |x| below 1/2), 1 (1 + |x|), 2 (product),
            // half of those plus 8.5 (the root's bound), 2 (quotient): 12.5
            // units of t, passed on by the arctangent's condition (at most 1).
            set_one(B, m);
            widefp_float_sub(C, B, A, m);
            widefp_float_add(D, B, A, m);
            widefp_float_mul(C, C, D, m);
            widefp_float_sqrt(D, C, m, sq);
            widefp_float_div(C, A, D, m);
            units = atan_kernel(R, C, m, k) + 12.5;
            break;
        case Inverse::acos:
            // acos x = 2 atan(sqrt((1 - x)/(1 + x))), 1 - x exact from 1/2 on,
            // 1 + x up to -1/2: 1 + 1 + 2 (quotient), half plus 8.5: 10.5 units.
            A[0] = a[0];
            *neg = false;
            set_one(B, m);
            widefp_float_sub(C, B, A, m);
            widefp_float_add(D, B, A, m);
            widefp_float_div(C, C, D, m);
            widefp_float_sqrt(D, C, m, sq);
            units = atan_kernel(R, D, m, k) + 10.5;
            R[0] += 1;
            break;
        default: {
            // atan2: t = |a/b| from the quotient of the mantissas (2 units) and
            // the difference of the exponents; sign(a) atan t (b > 0) or
            // sign(a) (pi - atan t) (b < 0).  t beyond 2^(64m+64): pi/2 -+ 1/t,
            // 1/t beyond the last word; t below 2^(-64m-64): t - t^3/3 (b > 0)
            // or pi - t, beyond the last word but t's own.
            const bool nb = is_neg(b);
            widen_abs(B, b, p, m);
            A[0] = B[0] = kBias;
            widefp_float_div(C, A, B, m);
            const int64_t et = unbiased_of(C) + (unbiased_of(a) - unbiased_of(b));  // fits: both within 2^62
            const int64_t far = 64 * static_cast<int64_t>(m) + 64;
            if (et < -far && !nb) {  // t's 2 units: below 2^(e - 64m + 2)
                std::memcpy(F, C + 1, m * sizeof(uint64_t));
                *e = et;
                return 3;
            }
            if (et < -far || et > far) {  // pi or pi/2: the table's truncation, one unit
                std::memcpy(F, cst::pi_quarter + 1, m * sizeof(uint64_t));
                *e = et < -far ? 1 : 0;
                return 1;
            }
            C[0] = static_cast<uint64_t>(et + static_cast<int64_t>(kBias));
            units = atan_kernel(R, C, m, k) + 2;
            if (nb) {  // pi - atan t in [pi/2, pi]: pi's truncation (2 units) and the difference's
                cst::copy_pi(D, cst::kPiWord0, m);
                widefp_float_sub(R, D, R, m);
                units += 3;
            }
            break;
        }
    }
    *e = unbiased_of(R);
    std::memcpy(F, R + 1, m * sizeof(uint64_t));
    return bits_of(units);
}

// Ziv's loop over attempts from working precision p+1 up; at 1,024 words
// (the table's pi) an undecided value is rounded as if F were exact (for p
// = 1023 after one attempt, about 2^(err - 64) of the arguments; below,
// after several).
int ziv(uint64_t *y, Inverse f, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    for (uint64_t m = p + 1;; m = next_precision(m, kMaxWork)) {
        Scratch s(m);
        int64_t e;
        bool neg;
        const int64_t err = attempt(s.get(), &e, &neg, f, a, b, p, m);
        int t;
        if (round_approx(y, p, neg, e, s.get(), m, err, mode, &t)) return t;
        if (m >= kMaxWork) return round_value(y, p, neg, e, s.get(), m, 0, mode);
    }
}

}  // namespace

namespace widefp::rnd {

// One attempt of atan (0), asin (1), acos (2) or atan2 (3) at working
// precision m, as the entry points make it (for the tests): F (m words).
int64_t inverse_trig_attempt(uint64_t *F, int64_t *e, bool *neg, int which, const uint64_t *a, const uint64_t *b,
                             uint64_t p, uint64_t m) {
    return attempt(F, e, neg, static_cast<Inverse>(which), a, b, p, m);
}

}  // namespace widefp::rnd

extern "C" {


int widefp_rnd_atan(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_atan", p, mode);
    const bool neg = is_neg(x);
    // ---- special values and tiny arguments ----
    if (is_zero(x)) return set_zero(y, p, neg);
    if (is_inf(x)) return round_pi(y, p, 1, 1, neg, mode);
    const int64_t ex = unbiased_of(x);
    if (ex <= -32 * static_cast<int64_t>(p) - 2) return round_beside(y, p, neg, ex, x + 1, true, mode);
    return ziv(y, Inverse::atan, x, nullptr, p, mode);
}

int widefp_rnd_asin(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_asin", p, mode);
    const bool neg = is_neg(x);
    // ---- special values, the ends of the domain, tiny arguments ----
    if (is_zero(x)) return set_zero(y, p, neg);
    const int64_t ex = unbiased_of(x);
    bool above_one = is_inf(x) || ex > 0;
    for (uint64_t j = 1; j <= p && ex == 0; ++j) above_one = above_one || x[j] != 0;
    if (above_one) domain_error("rnd_asin");
    if (ex == 0) return round_pi(y, p, 1, 1, neg, mode);  // +-1: +-pi/2
    if (ex <= -32 * static_cast<int64_t>(p) - 2) return round_beside(y, p, neg, ex, x + 1, false, mode);
    return ziv(y, Inverse::asin, x, nullptr, p, mode);
}

int widefp_rnd_acos(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_acos", p, mode);
    // ---- special values and the ends of the domain ----
    if (is_zero(x)) return round_pi(y, p, 1, 1, false, mode);  // pi/2
    const int64_t ex = unbiased_of(x);
    bool one = ex == 0;
    for (uint64_t j = 1; j <= p && one; ++j) one = x[j] == 0;
    if (is_inf(x) || ex > 0 || (ex == 0 && !one)) domain_error("rnd_acos");
    if (one) return is_neg(x) ? round_pi(y, p, 1, 0, false, mode) : set_zero(y, p, false);  // pi, +0
    return ziv(y, Inverse::acos, x, nullptr, p, mode);
}

// atan2(a, b): the special values as mpfr_atan2, then the quotient's
// arctangent by quadrant (attempt).
int widefp_rnd_atan2(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    check_args("rnd_atan2", p, mode);
    const bool na = is_neg(a), nb = is_neg(b);
    // ---- special values ----
    if (is_zero(a)) {  // +-0 toward b's side: +-pi (b < 0 or -0), +-0
        if (nb) return round_pi(y, p, 1, 0, na, mode);
        return set_zero(y, p, na);
    }
    if (is_inf(a)) {  // +-3pi/4, +-pi/4, +-pi/2
        if (is_inf(b)) return round_pi(y, p, nb ? 3 : 1, 2, na, mode);
        return round_pi(y, p, 1, 1, na, mode);
    }
    if (is_zero(b)) return round_pi(y, p, 1, 1, na, mode);
    if (is_inf(b)) return nb ? round_pi(y, p, 1, 0, na, mode) : set_zero(y, p, na);

    // A quotient of p words below 2^(-32p-2) (1.A/1.B in (1/2, 2)): atan t
    // lies just below it.
    const int64_t ed = unbiased_of(a) - unbiased_of(b);  // fits: both within 2^62
    if (!nb && ed <= -32 * static_cast<int64_t>(p) - 1) {
        Scratch s(p);
        int64_t eq;
        // (t from 2^(-32p-1) on: atan t lies too far below t, Ziv's loop decides)
        if (quotient_exact(a, b, p, &eq, s.get()) && eq + ed <= -32 * static_cast<int64_t>(p) - 2)
            return round_beside(y, p, na, eq + ed, s.get(), true, mode);
    }
    return ziv(y, Inverse::atan2, a, b, p, mode);
}

}  // extern "C"
