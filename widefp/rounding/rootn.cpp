// rootn.cpp -- correctly rounded n-th roots x^(1/n) for integers n: special
// values as MPFR's rootn_si, exact roots recognised, Newton's iteration
// checked by powers rounded outward (|n| <= 1000, p <= 1022), and
// otherwise e^(ln|x| / n) in a Ziv loop.
//
// Exact and halfway results.  With |x| = X 2^d, X odd of t bits, a root
// y = Y 2^k (Y odd) has y^|n| = Y^|n| 2^(k|n|).  For n > 0 the root is a
// dyadic number only when Y^n = X and k n = d; it is then exact when Y
// has at most 64p+1 bits, and it is never halfway between two p-word
// numbers (Y of 64p+2 bits gives X of more than 64p+1 bits).  Necessary
// conditions (n divides d; t > n unless X = 1; X = 1 mod 8 for even n)
// sort out nearly every x before the first approximation; for the others
// an undecided first attempt is checked by raising its nearest p-word
// value to the n-th power exactly.  For n < 0 the root is dyadic only for
// a power of two.  Every other root is irrational (a rational root of a
// dyadic number is dyadic), so the Ziv loop ends.
#include <atomic>
#include <cmath>
#include <cstring>

#include "rounding/exp_log.h"

namespace widefp::rnd {
// Roots that Newton's iteration did not decide and the exponential did
// (statistics for the tests; relaxed increments on that path only).
std::atomic<uint64_t> rootn_fallbacks{0};
}  // namespace widefp::rnd

using namespace widefp::rnd;
using namespace widefp::rnd::el;

namespace {

// x = X 2^d with X odd: t (X's bits), d and X mod 8, for a finite nonzero x.
struct OddPart {
    uint64_t t;
    int64_t d;
    unsigned low3;
};
OddPart odd_part(const uint64_t *x, uint64_t p) {
    uint64_t j = p;
    while (j >= 1 && x[j] == 0) --j;
    const uint64_t tz = j == 0 ? 64 * p : 64 * (p - j) + static_cast<uint64_t>(__builtin_ctzll(x[j]));
    // Bit i of the significand (1; x[1..p]) read as an integer of p+1 words.
    auto bit = [&](uint64_t i) -> unsigned {
        if (i > 64 * p) return 0;
        if (i == 64 * p) return 1;
        return static_cast<unsigned>((x[p - i / 64] >> (i % 64)) & 1);
    };
    const unsigned low3 = bit(tz) | (bit(tz + 1) << 1) | (bit(tz + 2) << 2);
    return {64 * p + 1 - tz, unbiased_of(x) - static_cast<int64_t>(64 * p) + static_cast<int64_t>(tz), low3};
}

// Whether y (precision p, nonnegative) raised to the n-th power is exactly |x|.
bool exact_root(const uint64_t *y, const uint64_t *x, int64_t n, uint64_t p) {
    if (is_zero(y) || is_inf(y)) return false;
    Buf b(p + 1);
    uint64_t *z = b.take(p + 1);
    if (widefp_rnd_pow_si(z, y, n, p, WIDEFP_RNDN) != 0) return false;
    return (z[0] & kExpMask) == (x[0] & kExpMask) && std::memcmp(z + 1, x + 1, p * sizeof(uint64_t)) == 0;
}

// Order of two positive finite widereals of precision q: -1, 0 or 1.
int compare_positive(const uint64_t *a, const uint64_t *b, uint64_t q) {
    if (a[0] != b[0]) return a[0] < b[0] ? -1 : 1;
    for (uint64_t j = 1; j <= q; ++j)
        if (a[j] != b[j]) return a[j] < b[j] ? -1 : 1;
    return 0;
}

// ---- Newton's iteration, checked ----------------------------------------------------
//
// |x| = z 2^(mk) with z = 1.F 2^s in [1, 2^m), m = |n|, 0 <= s < m; the
// root is z^(1/n) 2^(k sign(n)).  From a double start, Newton steps at
// doubling precisions (every operation rounded to nearest) reach a at
// q > p words: y + (z / y^(n-1) - y)/n for n > 0, y + y (1 - z y^m)/m
// for the inverse root (n < 0).  Nothing about their error is assumed:
// an interval [lo, hi] inside [a - d, a + d], d = 2^16 units of a's last
// place, is shown to hold the root by raising its ends to the m-th power
// rounded outward (lo^n <= z <= hi^n, or lo^m z <= 1 <= hi^m z), and
// round_approx then decides the rounding when the whole of [a - d, a + d]
// rounds alike.  Returns false when either fails (the caller tries again
// at twice the words, up to 1,023, then falls back to the exponential).
// For 2 <= m <= 1000 and p < q <= 1023.
bool root_newton(uint64_t *y, const uint64_t *x, int64_t n, uint64_t p, uint64_t q, int mode, bool may_be_exact,
                 int *ternary) {
    const uint64_t m = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    const bool neg = is_neg(x);  // (y may be x)
    const int64_t e = unbiased_of(x), mm = static_cast<int64_t>(m);
    const int64_t k = e >= 0 ? e / mm : -((-e + mm - 1) / mm), s = e - k * mm;  // e = m k + s
    const uint64_t S = q + 2;
    Buf buf(10 * S);
    uint64_t *z = buf.take(S), *a = buf.take(S), *zw = buf.take(S), *P = buf.take(S), *T = buf.take(S),
             *N = buf.take(S), *one = buf.take(S), *lo = buf.take(S), *hi = buf.take(S), *d = buf.take(S);
    copy_wr(z, q, x, p);
    z[0] = kBias + static_cast<uint64_t>(s);  // z = |x| 2^-mk
    // the precisions of the steps, from q down
    uint64_t steps[24];
    int count = 0;
    for (uint64_t W = q;; W = W <= 2 ? 1 : W / 2 + 1) {
        steps[count++] = W;
        if (W == 1) break;
    }
    const double f = 1 + static_cast<double>(x[1] >> 11) * 0x1p-53;
    const double y0 = std::exp2((static_cast<double>(s) + std::log2(f)) / static_cast<double>(n));
    from_ld(a, 1, y0);
    uint64_t have = 1;
    for (int i = count - 1; i >= 0; --i) {
        const uint64_t W = steps[i];
        copy_wr(a, W, a, have);  // widened with zeros
        have = W;
        if (W >= p)
            copy_wr(zw, W, z, p);
        else
            widefp_rnd_prec(zw, W, z, p, WIDEFP_RNDN);
        set_i64(N, W, static_cast<int64_t>(m));
        if (n > 0) {
            widefp_rnd_pow_si(P, a, n - 1, W, WIDEFP_RNDN);
            widefp_rnd_div(T, zw, P, W, WIDEFP_RNDN);
            widefp_rnd_sub(T, T, a, W, WIDEFP_RNDN);
        } else {
            set_one(one, W);
            widefp_rnd_pow_si(P, a, static_cast<int64_t>(m), W, WIDEFP_RNDN);
            widefp_rnd_mul(T, zw, P, W, WIDEFP_RNDN);
            widefp_rnd_sub(T, one, T, W, WIDEFP_RNDN);
            widefp_rnd_mul(T, a, T, W, WIDEFP_RNDN);
        }
        if (is_zero(T)) continue;
        widefp_rnd_div(T, T, N, W, WIDEFP_RNDN);
        widefp_rnd_add(a, a, T, W, WIDEFP_RNDN);
    }
    if (is_zero(a) || is_inf(a)) return false;
    const int64_t shift = n > 0 ? k : -k, ea = unbiased_of(a);
    if (may_be_exact) {  // is the nearest p-word value the exact root?
        round_value(T, p, false, ea, a + 1, q, 0, WIDEFP_RNDN);
        T[0] = T[0] + static_cast<uint64_t>(shift);
        if (exact_root(T, x, n, p)) {
            std::memcpy(y, T, (p + 1) * sizeof(uint64_t));
            if (neg) y[0] |= kSign;
            *ternary = 0;
            return true;
        }
    }
    // [lo, hi] inside a -+ 2^(ea - 64q + err) (the ends rounded inward)
    constexpr int64_t err = 16;
    const uint64_t Q = q;
    set_one(d, Q);
    d[0] = static_cast<uint64_t>(static_cast<int64_t>(kBias) + ea - 64 * static_cast<int64_t>(q) + err);
    widefp_rnd_sub(lo, a, d, Q, WIDEFP_RNDU);
    widefp_rnd_add(hi, a, d, Q, WIDEFP_RNDD);
    if (n > 0) {  // lo^n <= z <= hi^n
        widefp_rnd_pow_si(P, lo, n, Q, WIDEFP_RNDU);
        widefp_rnd_pow_si(T, hi, n, Q, WIDEFP_RNDD);
        if (compare_positive(P, z, Q) > 0 || compare_positive(T, z, Q) < 0) return false;
    } else {  // lo^m z <= 1 <= hi^m z
        set_one(one, Q);
        widefp_rnd_pow_si(P, lo, static_cast<int64_t>(m), Q, WIDEFP_RNDU);
        widefp_rnd_mul(P, P, z, Q, WIDEFP_RNDU);
        widefp_rnd_pow_si(T, hi, static_cast<int64_t>(m), Q, WIDEFP_RNDD);
        widefp_rnd_mul(T, T, z, Q, WIDEFP_RNDD);
        if (compare_positive(P, one, Q) > 0 || compare_positive(T, one, Q) < 0) return false;
    }
    return round_approx(y, p, neg, ea + shift, a + 1, q, err, mode, ternary);
}

}  // namespace

extern "C" int widefp_rnd_rootn_si(uint64_t *y, const uint64_t *x, int64_t n, uint64_t p, int mode) {
    check_args("rnd_rootn_si", p, mode);
    // ---- special values ----
    if (n == 0) domain_error("rnd_rootn_si");
    const bool odd = (n & 1) != 0, nx = is_neg(x);
    if (is_zero(x)) return n > 0 ? set_zero(y, p, odd && nx) : set_inf(y, p, odd && nx);
    if (nx && !odd) domain_error("rnd_rootn_si");  // an even root of a negative number
    if (is_inf(x)) return n > 0 ? set_inf(y, p, nx) : set_zero(y, p, nx);
    if (n == 1) {
        if (y != x) std::memcpy(y, x, (p + 1) * sizeof(uint64_t));
        return 0;
    }
    if (n == -1) {
        Buf b(p + 1);
        uint64_t *one = b.take(p + 1);
        set_one(one, p);
        return widefp_rnd_div(y, one, x, p, mode);
    }
    if (n == 2) return widefp_rnd_sqrt(y, x, p, mode);

    // ---- exact roots ----
    const uint64_t m = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);  // |n| >= 2
    const OddPart op = odd_part(x, p);
    const bool divides = op.d % static_cast<__int128>(m) == 0;
    if (op.t == 1) {  // |x| = 2^d
        if (divides) {
            const int64_t k = static_cast<int64_t>(op.d / static_cast<__int128>(m));
            set_pow2(y, p, nx, n < 0 ? -k : k);  // |k| <= 2^61: inside the range
            return 0;
        }
    }
    const bool may_be_exact = n > 0 && op.t > 1 && divides && op.t > m && (odd || op.low3 == 1);
    if (m <= 1000 && p < kMaxP) {
        int t;
        for (uint64_t q = p + 1;; q = std::min(kMaxP, 2 * q)) {
            if (root_newton(y, x, n, p, q, mode, may_be_exact && q == p + 1, &t)) return t;
            if (q == kMaxP) break;
        }
        rootn_fallbacks.fetch_add(1, std::memory_order_relaxed);
    }

    // ---- e^(ln|x| / n): |ln|x| / n| < 2^61, and the root lies in [2^-(2^61), 2^(2^61)] ----
    const double lt = log2_abs_ln(x, p) - std::log2(static_cast<double>(m));  // log2 |ln|x| / n|
    const bool t_pos = (unbiased_of(x) >= 0) != (n < 0);  // |x| > 1 iff its exponent is >= 0 (|x| != 1 here)
    if (lt < -static_cast<double>(64 * p + 4)) return round_one_nudged(y, p, nx, t_pos, mode);
    const uint64_t extra = static_cast<uint64_t>(std::max(0.0, std::ceil((lt + 14) / 64)));
    auto eval = [&](uint64_t *w, uint64_t W, int64_t *shift) {
        const uint64_t WL = W + extra, S = WL + 1;
        Buf buf(3 * S);
        uint64_t *A = buf.take(S), *L = buf.take(S), *N = buf.take(S);
        copy_wr(A, p, x, p);
        A[0] &= ~kSign;
        // ln|x| at WL words (relative error cL), divided by n truncated (two
        // more units): an absolute error of |t| (cL + 3) 2^-64WL in t, a
        // relative one of e^t.
        const double cL = log_core(L, A, p, 0, WL, 0);
        set_i64(N, WL, n);
        widefp_float_div(L, L, N, WL);
        const int64_t el = std::max<int64_t>(unbiased_of(L) + 1 - 64 * static_cast<int64_t>(extra), -1000);
        const double dt = std::ldexp((cL + 3) * 1.0001, static_cast<int>(el));
        const double c = exp_core(w, shift, L, WL, W);
        if (nx) w[0] |= kSign;
        return c + dt * 1.01;
    };
    const uint64_t top = kMaxWork - extra;
    bool checked = !may_be_exact;
    for (uint64_t W = p + 1;;) {
        Buf b(2 * (W + 1));
        uint64_t *a = b.take(W + 1), *cand = b.take(W + 1);
        int64_t shift = 0;
        const double c = eval(a, W, &shift);
        int t;
        if (decide(y, p, a, W, shift, c, mode, &t)) return t;
        if (!checked) {  // is the nearest p-word value the exact root?
            checked = true;
            round_value(cand, p, false, unbiased_of(a) + shift, a + 1, W, 0, WIDEFP_RNDN);
            if (exact_root(cand, x, n, p)) {
                std::memcpy(y, cand, (p + 1) * sizeof(uint64_t));
                if (nx) y[0] |= kSign;
                return 0;
            }
        }
        if (W >= top) return round_value(y, p, nx, unbiased_of(a) + shift, a + 1, W, 1, mode);
        W = std::min(top, W + std::max<uint64_t>(2, W / 2));
    }
}
