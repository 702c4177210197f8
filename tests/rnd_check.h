// rnd_check.h -- comparison of the correctly rounded layer with MPFR: the
// reference result and ternary value at 64p+1 bits with MPFR's smallest
// exponent set to ours, and the bit-for-bit comparison.
#ifndef WIDEFP_TESTS_RND_CHECK_H
#define WIDEFP_TESTS_RND_CHECK_H

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "harness.h"
#include "widefp_rnd.h"

namespace rc {

using th::Words;

inline const int kModes[4] = {WIDEFP_RNDN, WIDEFP_RNDZ, WIDEFP_RNDU, WIDEFP_RNDD};
inline const char *mode_name(int m) {
    static const char *n[4] = {"RNDN", "RNDZ", "RNDU", "RNDD"};
    return m >= 0 && m < 4 ? n[m] : "?";
}
inline mpfr_rnd_t to_mpfr(int mode) {
    switch (mode) {
        case WIDEFP_RNDZ: return MPFR_RNDZ;
        case WIDEFP_RNDU: return MPFR_RNDU;
        case WIDEFP_RNDD: return MPFR_RNDD;
        default: return MPFR_RNDN;
    }
}
inline int sgn(int t) { return (t > 0) - (t < 0); }

// Precisions of the random tests: every threshold, few cases at the top.
inline const std::vector<uint64_t> &precisions() {
    static const std::vector<uint64_t> ps = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                             31, 64, 160, 300, 719, 720, 1000, 1023};
    return ps;
}

// MPFR's exponent range set to ours for the duration of a reference
// computation: the smallest exponent as ours, the largest as large as MPFR
// allows (one binade short of ours: results there are reported as
// unverifiable).
class OurRange {
public:
    OurRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
        th::Mp::widen_range();
        mpfr_set_emin(2 - static_cast<mpfr_exp_t>(th::kBias));
        mpfr_set_emax(mpfr_get_emax_max());
        mpfr_clear_flags();
    }
    ~OurRange() {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }

private:
    mpfr_exp_t emin_, emax_;
};

struct Ref {
    Words w;
    int t;
};

// Reference of a function of MPFR numbers: f(out, in..., rnd) -> ternary,
// the inputs exact at 64p+1 bits.  Empty when MPFR overflowed (our top
// binade lies beyond MPFR's range, so such a result cannot be judged here).
template <class F>
std::optional<Ref> reference(uint64_t p, int mode, F &&f) {
    th::Mp out(p);
    int t;
    {
        OurRange range;
        t = f(out.get(), to_mpfr(mode));
        t = mpfr_check_range(out, t, to_mpfr(mode));
        if (mpfr_overflow_p()) return std::nullopt;
    }
    if (mpfr_nan_p(out)) return std::nullopt;
    return Ref{th::from_mpfr(out, p), t};
}

// Unary and binary MPFR functions of widereal operands.
using Mpfr1 = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
using Mpfr2 = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);
inline std::optional<Ref> reference1(Mpfr1 f, const uint64_t *x, uint64_t p, int mode) {
    th::Mp a(p);
    th::to_mpfr(a, x, p);
    return reference(p, mode, [&](mpfr_ptr out, mpfr_rnd_t r) { return f(out, a, r); });
}
inline std::optional<Ref> reference2(Mpfr2 f, const uint64_t *x, const uint64_t *y, uint64_t p, int mode) {
    th::Mp a(p), b(p);
    th::to_mpfr(a, x, p);
    th::to_mpfr(b, y, p);
    return reference(p, mode, [&](mpfr_ptr out, mpfr_rnd_t r) { return f(out, a, b, r); });
}

// Ours equals the reference bit for bit: word 0, the fraction of a finite
// result, cleared fraction words of zeros and infinities, and the ternary
// value's sign.
inline ::testing::AssertionResult same(const Words &ours, int t_ours, const Ref &ref, uint64_t p,
                                       const std::string &what) {
    bool ok = ours[0] == ref.w[0] && sgn(t_ours) == sgn(ref.t);
    const bool special = th::is_zero(ours.data()) || th::is_inf(ours.data());
    for (uint64_t j = 1; ok && j <= p; ++j) ok = special ? ours[j] == 0 : ours[j] == ref.w[j];
    if (ok) return ::testing::AssertionSuccess();
    const size_t show = p < 4 ? p + 1 : 5;
    return ::testing::AssertionFailure()
           << what << " p=" << p << "\n  ours: " << th::hex(ours.data(), show) << " ternary " << t_ours
           << "\n  MPFR: " << th::hex(ref.w.data(), show) << " ternary " << ref.t;
}

// Counts of a random test, printed when it ends.
struct Tally {
    const char *name;
    long cases = 0, unverifiable = 0, exact = 0;
    explicit Tally(const char *n) : name(n) {}
    ~Tally() {
        std::printf("[ rounding ] %s: %ld cases bit for bit with MPFR (%ld exact), %ld beyond MPFR's range\n", name,
                    cases, exact, unverifiable);
    }
};

}  // namespace rc

#endif  // WIDEFP_TESTS_RND_CHECK_H
