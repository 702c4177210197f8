// work.h -- working-precision arithmetic of the special functions: values of
// q fraction words that carry a bound on their relative error, the elementary
// functions and constants at that precision, and the Ziv loop that rounds.
//
// A Num is a widereal of precision q (the Work's precision) and re, log2 of
// a bound on |value - exact| / |exact| (kExact, minus infinity, for an exact
// value).  Every operation below derives the bound of its result from those
// of its operands and its own truncation; the second-order terms are covered
// by a factor (1 + 2s) on the first-order sum s.  A bound of 1/4 or more
// marks the value useless (re = kUseless): the Ziv loop then asks for more
// precision.
//
// Truncation of one operation of widefp.h at q words costs at most two units
// of the last place of its result (the short product and the quotient may
// lie one unit below the truncation), a relative 2^(1-64q); the square root
// (Newton's iteration, within 8.5 units) is taken at 16.  The elementary
// functions are used with an error of at most 2^16 units of the last bit of
// their guard word (about 2^12 times what their tests measure); as they are
// read here truncated to q words that is again under two units of the last
// place, except at q = 1024 where their guard word is the last word.
#ifndef WIDEFP_SPECIAL_WORK_H
#define WIDEFP_SPECIAL_WORK_H

#include <cmath>
#include <cstdint>

#include "rounding/ziv.h"

namespace widefp::special {

using namespace widefp::rnd;

// The largest working precision of a computation that calls the elementary
// functions (they run at most at 1,023 words; with their guard word they give
// 1,024) or reads the constant tables (1,024 fraction words).
constexpr uint64_t kMaxWork = 1024;

constexpr double kExact = -HUGE_VAL;
constexpr double kUseless = HUGE_VAL;

// log2(2^a + 2^b), rounded up (either may be kExact).
double lg_add(double a, double b);
// log2(s (1 + 2s)) for s = 2^a: a first-order bound made rigorous.
double lg_second_order(double a);

struct Num {
    uint64_t *w = nullptr;  // q+1 words
    double re = kExact;
};

inline bool zero_of(const Num &a) { return is_zero(a.w); }
inline int64_t exp_of(const Num &a) { return unbiased_of(a.w); }
inline bool neg_of(const Num &a) { return is_neg(a.w); }

// Precision q and an arena of values; elementary functions take their own
// scratch per call.
class Work {
public:
    Work(uint64_t q, uint64_t values);
    Work(const Work &) = delete;
    Work &operator=(const Work &) = delete;

    const uint64_t q;
    // log2 of the relative error of one truncated operation: 2^(1-64q).
    double op() const { return 1.0 - 64.0 * static_cast<double>(q); }

    Num num();  // a fresh value (+0, exact)

    // ---- setting -----------------------------------------------------------
    void set(Num &c, const uint64_t *x, uint64_t px);  // a widereal of precision px
    void set_int(Num &c, int64_t n);
    void copy(Num &c, const Num &a);
    // pi, ln 2 or Euler's constant, truncated.
    enum Constant { kPi, kLn2, kEuler };
    void constant(Num &c, Constant which);

    // ---- arithmetic (c may be an operand) --------------------------------
    void mul(Num &c, const Num &a, const Num &b);
    void div(Num &c, const Num &a, const Num &b);
    void add(Num &c, const Num &a, const Num &b);
    void sub(Num &c, const Num &a, const Num &b);
    void imul(Num &c, const Num &a, int64_t k);  // k != 0
    void idiv(Num &c, const Num &a, int64_t k);  // k != 0
    // c = a * 2^k exactly; the exponent must stay inside the range.
    void scale(Num &c, const Num &a, int64_t k);
    void negate(Num &c) const { c.w[0] ^= kSign; }

    // ---- functions ---------------------------------------------------------
    void sqrt(Num &c, const Num &a);  // a > 0
    void log(Num &c, const Num &a);   // a > 0, a != 1 unless exact
    // e^a = m * 2^k, k exact (0 when |a| < 2^59, otherwise m lies in
    // [1/2, 2]).  |a| < 6e18 (2^62.38).  The error of a is its relative bound, or, when
    // arg_abs is given, log2 of an absolute bound (for a sum that may cancel).
    void exp(Num &m, int64_t *k, const Num &a, double arg_abs = kUseless);
    // sin t for |t| <= pi/2 + 1/8 (the bound uses |t cot t| <= 1 there).
    void sin(Num &c, const Num &t);

    // The relative error of a value known to lie within 2^err_abs of the
    // computed one (err_abs a log2 absolute bound), joined to its own bound.
    void widen_abs(Num &c, double err_abs) const;

private:
    // a + b or a - b; `minus` flips b.
    void add_signed(Num &c, const Num &a, const Num &b, bool minus);
    // Elementary function f at precision q (kind 0 exp, 1 log, 2 sin) of a
    // value a with |a| small enough; writes y and returns log2 of its own
    // relative error (argument error excluded).
    double elementary(int kind, uint64_t *y, const uint64_t *a);

    Scratch arena_;
    uint64_t used_ = 0, values_;
};

// ---- the Ziv loop -------------------------------------------------------------
// One evaluation at working precision q: (-1)^neg * 1.F * 2^e with F the q
// words written to frac, and re the log2 relative error bound (kUseless when
// nothing is known).  A value whose exponent lies outside the widereal range
// is fine: the rounding applies the range.
struct Approx {
    bool neg = false;
    int64_t e = 0;
    double re = kUseless;
};

// The precision the next attempt needs after one at q gave relative error re
// for a result of precision p (at least one more word, more when the bound
// shows a cancellation).
uint64_t next_precision(uint64_t p, uint64_t q, double re);

// Rounds the approximation of the last attempt at the cap of the working
// precision: when it lies within a quarter unit of precision p of the exact
// value the rounding of that approximation is returned (it differs from the
// correctly rounded result by at most one unit); otherwise the call ends in
// widefp_fatal("widefp:range", ...).
int round_at_cap(const char *who, uint64_t *y, uint64_t p, int mode, const Approx &a, const uint64_t *frac,
                 uint64_t q);

// Counts of this thread's Ziv loops, for the tests' reports: loops run,
// loops decided by their first attempt, attempts, the largest working
// precision and the largest error (bits above the last place) of a decided
// attempt.  They do not influence any result.
struct ZivStats {
    uint64_t loops = 0, first = 0, attempts = 0, max_q = 0, max_err = 0;
};
ZivStats &ziv_stats();

// y = f rounded, f evaluated by eval(q, frac, approx) at q = q0, q0 + ...
// up to qmax words.
template <class Eval>
int ziv_round(const char *who, uint64_t *y, uint64_t p, int mode, uint64_t q0, uint64_t qmax, Eval &&eval) {
    uint64_t q = q0 < p + 1 ? p + 1 : q0;
    if (q > qmax) q = qmax;
    ZivStats &st = ziv_stats();
    ++st.loops;
    for (uint64_t attempt = 1;; ++attempt) {
        Scratch frac(q);
        Approx a;
        eval(q, frac.get(), a);
        ++st.attempts;
        if (q > st.max_q) st.max_q = q;
        if (a.re < -2) {
            const double bits = std::ceil(a.re + 64.0 * static_cast<double>(q) + 1.01);
            const int64_t err = bits < 0 ? 0 : static_cast<int64_t>(bits);
            int t = 0;
            if (err <= 64 * static_cast<int64_t>(q) - 2 &&
                round_approx(y, p, a.neg, a.e, frac.get(), q, err, mode, &t)) {
                st.first += attempt == 1;
                if (static_cast<uint64_t>(err) > st.max_err) st.max_err = static_cast<uint64_t>(err);
                return t;
            }
        }
        if (q >= qmax) return round_at_cap(who, y, p, mode, a, frac.get(), q);
        q = next_precision(p, q, a.re);
        if (q > qmax) q = qmax;
    }
}

// An exponent beyond the range by 2^61 or more stands for any farther one
// (the rounding sees the same overflow or underflow), kept well inside int64.
inline int64_t clamp_exponent(__int128 e) {
    const __int128 lim = (static_cast<__int128>(1) << 62) + (static_cast<__int128>(1) << 61);
    return static_cast<int64_t>(e > lim ? lim : e < -lim ? -lim : e);
}

// Approximations of magnitudes for choosing algorithms: log2 |x| of a
// finite nonzero widereal, to about 2^-40.
double log2_abs(const uint64_t *x);
// True when the finite widereal x (precision p) is an integer (zeros are).
bool is_integer(const uint64_t *x, uint64_t p);
// For a finite x (precision p): r = x - n exactly, n the integer nearest x
// (|r| <= 1/2, halves away from zero), written to r (precision p); returns
// true when n is odd.
bool nearest_split(const uint64_t *x, uint64_t p, uint64_t *r);
// True when the integer part of |x| (x finite, precision p) is odd.
bool trunc_odd(const uint64_t *x, uint64_t p);
// The integer of len little-endian words T (top word nonzero) as a widereal of
// precision q, truncated; returns true when bits were dropped.
bool integer_to_widereal(const uint64_t *T, uint64_t len, uint64_t *out, uint64_t q);

}  // namespace widefp::special

#endif  // WIDEFP_SPECIAL_WORK_H
