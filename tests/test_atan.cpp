// Arctangent: random arguments around every fold boundary against MPFR, odd
// symmetry bit for bit, the fold record, special values, the cache.
#include <gtest/gtest.h>

#include "elem_check.h"

namespace {

using th::Words;

Words atan_of(const Words &x, uint64_t p, uint64_t *g, uint64_t *cache) {
    Words y(p + 1), work(2 * p + 4);
    *g = widefp_float_atan(y.data(), x.data(), p, work.data(), cache);
    return y;
}

// Error bound in units of 2^-64 ulp: each fold costs a few units of the
// reduced argument (a division and two truncated sums), the N series steps
// one unit each in product, sum and trimming, the recovery one unit per
// constant and per sum; the result is at least atan(1/8) whenever a fold
// happened, so absolute and relative errors are alike up to a factor 8.
double atan_bound(uint64_t p) {
    const double N = static_cast<double>(widefp_taylor_tranc_atan_calc(p + 1, -4));
    return 4 * (N + 64);
}

TEST(Atan, RandomAroundEveryFoldAgainstMpfr) {
    th::Rng rng(0xa7a);
    ec::Stats st("atan");
    const double bases[] = {0.125, 0.25, 0.5, 1, 2, 4, 8};
    for (uint64_t p : ec::precisions()) {
        Words cache(widefp_cache_size(p), 0);
        for (int c = 0; c < ec::cases(p, 28); ++c) {
            Words x;
            // Past 161 words only huge and tiny arguments: their series is short.
            const int kind = p > 161 ? 7 + c % 2 : c % 9;
            if (kind < 7) {  // b(1 + d), d of either sign and any size
                th::Mp v(p + 2);
                Words d = th::random_wr(rng, p, -static_cast<int64_t>(rng.range(1, 64 * p + 4)), -1);
                th::to_mpfr(v, d.data(), p);
                mpfr_add_ui(v, v, 1, MPFR_RNDN);
                mpfr_mul_d(v, v, bases[kind], MPFR_RNDN);
                th::Mp r(p);
                mpfr_set(r, v, MPFR_RNDZ);
                x = th::from_mpfr(r, p);
            } else {  // huge or tiny
                x = kind == 7 ? th::random_wr(rng, p, 64, int64_t{1} << 61) : th::random_wr(rng, p, -(int64_t{1} << 61), -20);
            }
            if (rng.coin()) x[0] |= th::kSign;
            Words work(2 * p + 4);
            auto f = [&](uint64_t *y, const uint64_t *a) {
                return widefp_float_atan(y, a, p, work.data(), cache.data());
            };
            ASSERT_LE(ec::check_fn(st, f, mpfr_atan, x, p, true), atan_bound(p)) << "p=" << p << " x=" << th::hex(x);
        }
    }
}

TEST(Atan, FoldsAndSpecialValues) {
    // atan 1: inverted, folded about 1/2 to 1/3 and about 1/4 to 1/13.
    for (uint64_t P : {2, 9}) {
        Words one = th::from_double(1.0, P);
        EXPECT_EQ(widefp_atan_arg_reduction(one.data(), P), 14u);
        EXPECT_NEAR(widefp_float_wrtod(one.data()), 1.0 / 13, 1e-16);
        Words tenth = th::from_double(-0.1, P);
        EXPECT_EQ(widefp_atan_arg_reduction(tenth.data(), P), 1u);
        Words x = th::from_double(0.2, P);  // above 1/8: (1 - 0.8)/4.2
        EXPECT_EQ(widefp_atan_arg_reduction(x.data(), P), 16u);
        EXPECT_NEAR(widefp_float_wrtod(x.data()), 0.2 / 4.2, 1e-16);
    }
    // Exactly on the fold boundaries.
    ec::Stats st("atan on the boundaries");
    for (uint64_t p : {1, 2, 5}) {
        Words cache(widefp_cache_size(p), 0), work(2 * p + 4);
        auto f = [&](uint64_t *y, const uint64_t *a) { return widefp_float_atan(y, a, p, work.data(), cache.data()); };
        for (double b : {0.125, 0.25, 0.5, 1.0, 2.0, 4.0, 8.0})
            EXPECT_LE(ec::check_fn(st, f, mpfr_atan, th::from_double(b, p), p, true), atan_bound(p)) << b;
    }
    for (uint64_t p : {1, 3, 1023}) {
        Words cache(widefp_cache_size(p), 0);
        uint64_t g = 9;
        for (uint64_t sign : {uint64_t{0}, th::kSign}) {
            Words zero(p + 1, 0);
            zero[0] = sign;
            EXPECT_EQ(atan_of(zero, p, &g, cache.data()), zero);  // +-0, clean fraction
            EXPECT_EQ(g, 0u);
            // atan(+-inf) = +-pi/2: the stored constant at p+1 words.
            Words inf(p + 1, 0);
            inf[0] = sign | th::kExpMask;
            th::Mp pi(p + 3);
            mpfr_const_pi(pi, MPFR_RNDZ);
            mpfr_div_2ui(pi, pi, 1, MPFR_RNDZ);
            Words pih = ec::truncated(pi, p + 1);
            pih[0] |= sign;
            Words y = atan_of(inf, p, &g, cache.data());
            EXPECT_EQ(y, Words(pih.begin(), pih.begin() + p + 1));
            EXPECT_EQ(g, pih[p + 1]);
        }
    }
}

// Arguments in [1/2, 1) are folded about 1/2, never inverted: the record
// and the reduced value (2x - 1)/(x + 2), folded on about 1/4 and 1/8 as its
// size asks, against MPFR.
TEST(Atan, ArgumentsFromAHalfToOneFoldAboutAHalf) {
    th::Rng rng(0xf01d);
    for (uint64_t P : {1, 2, 9}) {
        th::Mp t(P + 4), u(P + 4), got(P);
        for (int i = 0; i < 60; ++i) {
            Words x = th::random_wr(rng, P, -1, -1, false);
            if (i == 0) x = th::from_double(0.5, P);
            th::to_mpfr(t, x.data(), P);
            uint64_t want = 4;
            mpfr_mul_2ui(u, t, 1, MPFR_RNDN);  // (2x - 1)/(x + 2)
            mpfr_sub_ui(u, u, 1, MPFR_RNDN);
            mpfr_add_ui(t, t, 2, MPFR_RNDN);
            mpfr_div(t, u, t, MPFR_RNDN);
            if (mpfr_cmp_d(t, 0.25) >= 0) {  // (4t - 1)/(t + 4)
                want |= 8;
                mpfr_mul_2ui(u, t, 2, MPFR_RNDN);
                mpfr_sub_ui(u, u, 1, MPFR_RNDN);
                mpfr_add_ui(t, t, 4, MPFR_RNDN);
                mpfr_div(t, u, t, MPFR_RNDN);
            }
            if (mpfr_cmp_d(t, 0.125) >= 0) {  // (1 - 4t)/(t + 4)
                want |= 16;
                mpfr_mul_2ui(u, t, 2, MPFR_RNDN);
                mpfr_ui_sub(u, 1, u, MPFR_RNDN);
                mpfr_add_ui(t, t, 4, MPFR_RNDN);
                mpfr_div(t, u, t, MPFR_RNDN);
            }
            Words w = x;
            EXPECT_EQ(widefp_atan_arg_reduction(w.data(), P), want) << "P=" << P << " x=" << th::hex(x);
            th::to_mpfr(got, w.data(), P);
            mpfr_sub(u, got, t, MPFR_RNDN);
            if (!mpfr_zero_p(u)) {  // a few units of 2^-64P: each fold truncates sums and quotients below 5
                EXPECT_LE(mpfr_get_exp(u), 6 - 64 * static_cast<long>(P)) << th::hex(x);
            }
        }
    }
}

TEST(Atan, CacheSharedWithTheLogarithmAndRangeErrors) {
    const uint64_t p = 6;
    Words fresh(widefp_cache_size(p), 0), used(widefp_cache_size(p), 0), work(3 * p + 6), l(p + 1);
    Words x = th::from_double(7.5, p);
    widefp_float_log(l.data(), x.data(), p, work.data(), used.data());
    uint64_t g1, g2;
    Words a = atan_of(x, p, &g1, fresh.data()), b = atan_of(x, p, &g2, used.data());
    EXPECT_EQ(a, b);
    EXPECT_EQ(g1, g2);
    EXPECT_EQ(ec::fatal_of([&] { atan_of(th::from_double(2.0, 5), 5, &g1, used.data()); }).substr(0, 13),
              "widefp:cache|");
    EXPECT_EQ(ec::fatal_of([&] { atan_of(th::from_double(2.0, 1024), 1024, &g1, used.data()); }).substr(0, 13),
              "widefp:range|");
    Words t(1026, 0), out(1026);
    EXPECT_EQ(ec::fatal_of([&] { widefp_atan_horner(t.data(), out.data(), used.data(), 1025); }).substr(0, 13),
              "widefp:range|");
}

TEST(Atan, TrimmedSeriesFollowsThePlainSeries) {
    th::Rng rng(0x5e8);
    for (uint64_t P : {2, 5, 33, 721}) {
        const int64_t e = P > 100 ? -24 : -4;
        int64_t N;
        const double d = ec::trimmed_vs_plain(th::random_wr(rng, P, e - 4, e, false), P, -1, &N);
        EXPECT_LE(d, 4.0 + 2 * N / 64.0) << "P=" << P;
    }
}

}  // namespace
