// rnd_exp_check.h -- shared checks of the correctly rounded exponentials,
// logarithms, power and hyperbolic functions: one argument in all four modes
// against MPFR, the reference of results in our top binade (which MPFR cannot
// hold) from e^T 2^-s, and the report of the Ziv loops.
#ifndef WIDEFP_TESTS_RND_EXP_CHECK_H
#define WIDEFP_TESTS_RND_EXP_CHECK_H

#include <functional>

#include "elem_check.h"
#include "rnd_check.h"
#include "rounding/exp_log.h"

namespace rx {

using th::Words;
using Fn = int (*)(uint64_t *, const uint64_t *, uint64_t, int);
// An MPFR computation of a value at `prec` bits into out (its precision).
using Approx = std::function<void(mpfr_ptr out, mpfr_prec_t prec)>;

// Our overflow of sign neg: an infinity to nearest and away from zero, the
// largest finite number toward zero.
inline rc::Ref overflow_ref(uint64_t p, int mode, bool neg) {
    Words o(p + 1, 0);
    const bool away = mode == WIDEFP_RNDN || (mode == WIDEFP_RNDU && !neg) || (mode == WIDEFP_RNDD && neg);
    o[0] = (neg ? th::kSign : 0) | (away ? th::kExpMask : th::kExpMask - 1);
    if (!away)
        for (uint64_t j = 1; j <= p; ++j) o[j] = ~uint64_t{0};
    return rc::Ref{o, (away != neg) ? 1 : -1};
}

// x lies in our top binade, beyond MPFR's range: MPFR cannot take it.
inline bool top_binade(const Words &x) { return (x[0] & th::kExpMask) == th::kExpMask - 1; }

// The reference from an MPFR approximation f(out, H) of the exact value
// times 2^-s, within 2^(EXP(out) - H + 70) (H = 64p+320 bits), rounded at
// 64p+1 bits in `mode` and scaled back by 2^s with our range applied: for
// results in our top binade, which MPFR cannot hold, and where MPFR is
// known to be wrong.  An approximation that is a number of 64p+1 bits is
// taken as the exact value (an exact log2 of a power of two; no inexact
// value of these functions lies within 2^-250 of such a number).  Empty
// when the approximation cannot decide (not expected either).
inline std::optional<rc::Ref> approx_ref(uint64_t p, int mode, const Approx &f, int64_t s = 0) {
    th::Mp::widen_range();
    const mpfr_prec_t H = static_cast<mpfr_prec_t>(64 * p + 320);
    th::Mp b(H, true), r(p);
    f(b, H);
    const int rn = mode == WIDEFP_RNDN;
    const bool exact = mpfr_min_prec(b) <= static_cast<mpfr_prec_t>(64 * p + 1);
    if (!exact && !mpfr_can_round(b, H - 72, MPFR_RNDN, MPFR_RNDZ, static_cast<mpfr_prec_t>(64 * p + 1) + rn))
        return std::nullopt;
    const int t = mpfr_set(r, b, rc::to_mpfr(mode));
    Words w = th::from_mpfr(r, p);
    const int64_t e = th::unbiased(w.data()) + s;
    const bool neg = (w[0] & th::kSign) != 0;
    if (e > static_cast<int64_t>(th::kBias)) return overflow_ref(p, mode, neg);
    w[0] = (neg ? th::kSign : 0) | static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
    return rc::Ref{w, t};
}

// The reference of e^T for T from tfn (|T| < 2^63, within 2^(EXP(T) -
// prec + 4)): e^(T - s ln 2) scaled back by 2^s.  (MPFR's exp overflows
// somewhat below its largest exponent: s = kScale keeps e^(T - s ln 2) in
// the middle of its range.)
constexpr int64_t kScale = int64_t{1} << 61;
inline std::optional<rc::Ref> exp_scaled_ref(uint64_t p, int mode, int64_t s, const Approx &tfn) {
    return approx_ref(
        p, mode,
        [&](mpfr_ptr out, mpfr_prec_t H) {
            th::Mp T(H + 80, true), L(H + 80, true);
            tfn(T, H + 80);
            mpfr_const_log2(L, MPFR_RNDN);
            mpfr_mul_si(L, L, static_cast<long>(s), MPFR_RNDN);
            mpfr_sub(T, T, L, MPFR_RNDN);
            mpfr_exp(out, T, MPFR_RNDN);
        },
        s);
}

// The ziv loops' counters since construction, printed with the tally.
struct ZivReport {
    const char *name;
    uint64_t calls0, first0;
    explicit ZivReport(const char *n)
        : name(n),
          calls0(widefp::rnd::el::ziv_stats.calls.load()),
          first0(widefp::rnd::el::ziv_stats.first.load()) {}
    ~ZivReport() {
        const uint64_t c = widefp::rnd::el::ziv_stats.calls.load() - calls0;
        const uint64_t f = widefp::rnd::el::ziv_stats.first.load() - first0;
        std::printf("[ ziv ] %s: %llu Ziv loops, %llu (%.4f%%) decided at the first working precision; "
                    "so far the largest working precision %llu words, the largest error bound 2^%llu units of "
                    "the approximation's last place\n",
                    name, static_cast<unsigned long long>(c), static_cast<unsigned long long>(f),
                    c ? 100.0 * static_cast<double>(f) / static_cast<double>(c) : 100.0,
                    static_cast<unsigned long long>(widefp::rnd::el::ziv_stats.most_words.load()),
                    static_cast<unsigned long long>(widefp::rnd::el::ziv_stats.most_error_bits.load()));
    }
};

// A reference in place of MPFR's direct one (empty: MPFR's).
using Other = std::function<std::optional<rc::Ref>(int mode)>;

// ours(x) in all four modes against MPFR's theirs(x), or against other(mode)
// where given and not empty (our top binade, which MPFR cannot hold, or a
// known fault of MPFR); in place as well for one mode.
inline void check_modes(rc::Tally &tally, const char *what, Fn ours, rc::Mpfr1 theirs, const Words &x, uint64_t p,
                        const Other &other = nullptr) {
    ASSERT_TRUE(other || !top_binade(x)) << what << ": an argument in our top binade needs its own reference";
    for (int mode : rc::kModes) {
        std::optional<rc::Ref> ref = other ? other(mode) : std::nullopt;
        if (!ref) ref = rc::reference1(theirs, x.data(), p, mode);
        if (!ref) {
            if (std::getenv("WIDEFP_SHOW_UNVERIFIED"))
                std::printf("unverified: %s %s p=%llu x=%s\n", what, rc::mode_name(mode), static_cast<unsigned long long>(p),
                            th::hex(x.data(), std::min<size_t>(p + 1, 4)).c_str());
            ++tally.unverifiable;
            continue;
        }
        Words y(p + 1, 0x5a5a5a5a5a5a5a5aULL);
        const int t = ours(y.data(), x.data(), p, mode);
        ++tally.cases;
        if (ref->t == 0) ++tally.exact;
        ASSERT_TRUE(rc::same(y, t, *ref, p, std::string(what) + " " + rc::mode_name(mode) + " x=" + th::hex(x.data(), std::min<size_t>(p + 1, 4))));
        if (mode == WIDEFP_RNDD) {  // y may be x
            Words z = x;
            ASSERT_EQ(ours(z.data(), z.data(), p, mode), t);
            ASSERT_EQ(th::hex(z), th::hex(y)) << what << " in place";
        }
    }
}

// c (1 +- 2^-r u), u in [1/2, 1), 1 <= r <= rmax, rounded to nearest at p
// words: an argument next to c.
inline Words next_to(th::Rng &rng, mpfr_srcptr c, uint64_t p, int64_t rmax) {
    th::Mp d(p), v(64 * p + 200, true), r(p);
    Words f = th::random_wr(rng, p, -1, -1, false);
    th::to_mpfr(d, f.data(), p);
    mpfr_mul_2si(d, d, -static_cast<long>(rng.below(static_cast<uint64_t>(rmax)) + 1), MPFR_RNDN);
    mpfr_mul(d, d, c, MPFR_RNDN);
    if (rng.coin()) mpfr_neg(d, d, MPFR_RNDN);
    mpfr_add(v, c, d, MPFR_RNDN);
    mpfr_set(r, v, MPFR_RNDN);
    return th::from_mpfr(r, p);
}

}  // namespace rx

#endif  // WIDEFP_TESTS_RND_EXP_CHECK_H
