// Logarithm: random arguments at every precision against MPFR (near 1 from
// both sides, huge, tiny), the reciprocal cache, special values, domain and
// range errors, identities.
#include <gtest/gtest.h>

#include "elem_check.h"

namespace {

using th::Words;

// ln x at precision p with a fresh cache; next word in g.
Words log_of(const Words &x, uint64_t p, uint64_t *g) {
    Words y(p + 1), work(3 * p + 6), cache(widefp_cache_size(p), 0);
    *g = widefp_float_log(y.data(), x.data(), p, work.data(), cache.data());
    return y;
}

// x = 1 + s*d with d a random number in [2^-k, 2^(1-k)), exact at precision p.
Words near_one(th::Rng &rng, uint64_t p, int64_t k, int s) {
    th::Mp v(p + 2);
    Words d = th::random_wr(rng, p, -k, -k, false);
    th::to_mpfr(v, d.data(), p);
    if (s < 0) mpfr_neg(v, v, MPFR_RNDN);
    mpfr_add_ui(v, v, 1, MPFR_RNDN);
    th::Mp r(p);
    mpfr_set(r, v, MPFR_RNDZ);
    return th::from_mpfr(r, p);
}

// Error bound in units of 2^-64 ulp: the transform and the final product and
// sum cost a few units, each of the N series steps at most one unit in its
// product, one in the addition and one in a trimmed partial sum, and the sum
// E*ln 2 + ln m can halve the result (factor 2 over 3 units each, rounded
// up to 8(N+8)).
double log_bound(uint64_t p) {
    const double N = static_cast<double>(widefp_taylor_tranc_log_calc(p + 1, -2));
    return 8 * (N + 8);
}

TEST(Log, RandomAgainstMpfr) {
    th::Rng rng(0x106);
    ec::Stats st("log");
    for (uint64_t p : ec::precisions()) {
        for (int c = 0; c < ec::cases(p, 24); ++c) {
            // Mantissas near 1 from both sides (any mantissa up to 161 words;
            // beyond, the series of a mantissa far from 1 is too long for CI),
            // exponents small, huge and tiny.
            const bool slow = p > 161;
            const int64_t kmin = slow ? 16 : 2;
            Words x = c % 4 == 0 && !slow ? th::random_wr(rng, p, 0, 0, false)
                                          : near_one(rng, p, static_cast<int64_t>(rng.range(kmin, 64 * p + 8)),
                                                     c % 2 ? 1 : -1);
            const uint64_t shift = rng.range(1, uint64_t{1} << rng.range(1, 61));
            switch (c % 3) {
                case 1: x[0] += shift; break;
                case 2: x[0] -= shift; break;
                default: break;
            }
            Words work(3 * p + 6), cache(widefp_cache_size(p), 0);
            auto f = [&](uint64_t *y, const uint64_t *a) {
                return widefp_float_log(y, a, p, work.data(), cache.data());
            };
            ASSERT_LE(ec::check_fn(st, f, mpfr_log, x, p, false), log_bound(p)) << "p=" << p << " x=" << th::hex(x);
        }
    }
}

TEST(Log, SpecialValues) {
    for (uint64_t p : {1, 2, 5, 1023}) {
        uint64_t g = 7;
        Words y = log_of(th::from_double(1.0, p), p, &g);  // ln 1 = +0 exactly
        EXPECT_EQ(y, Words(p + 1, 0));
        EXPECT_EQ(g, 0u);
        // ln 2 is the table at p+1 words, ln 1/2 its negative: no series.
        Words l2 = log_of(th::from_double(2.0, p), p, &g), lh = log_of(th::from_double(0.5, p), p, &g);
        th::Mp ln2(p + 3);
        mpfr_const_log2(ln2, MPFR_RNDZ);
        Words c = ec::truncated(ln2, p + 1), want(c.begin(), c.begin() + p + 1);
        EXPECT_EQ(l2, want);
        EXPECT_EQ(g, c[p + 1]);
        want[0] |= th::kSign;
        EXPECT_EQ(lh, want);
        // ln(+inf) = +inf with a clean fraction.
        Words inf(p + 1, 0), out(p + 1, 0x77), work(3 * p + 6), cache(widefp_cache_size(p), 0);
        inf[0] = th::kExpMask;
        EXPECT_EQ(widefp_float_log(out.data(), inf.data(), p, work.data(), cache.data()), 0u);
        EXPECT_EQ(out, inf);
    }
    // ln(1 + 2^-64p) = 2t exactly as far as p+1 words go: the first term.
    const uint64_t p = 3;
    Words x(p + 1, 0);
    x[0] = th::kBias;
    x[p] = 1;
    uint64_t g;
    Words y = log_of(x, p, &g);
    th::Mp xm(p), exact(p + 3);
    th::to_mpfr(xm, x.data(), p);
    mpfr_log(exact, xm, MPFR_RNDN);
    ec::Stats st("log of 1 + 2^-192");
    EXPECT_LE(ec::check(st, y, g, exact, p), 2.0);
}

TEST(Log, DomainRangeAndCacheErrors) {
    const uint64_t p = 2;
    Words work(3 * p + 6), cache(widefp_cache_size(p), 0), y(p + 1, 0x55);
    for (double d : {0.0, -0.0, -1.0, -1e300}) {
        Words x = th::from_double(d, p);
        EXPECT_EQ(ec::fatal_of([&] { widefp_float_log(y.data(), x.data(), p, work.data(), cache.data()); }),
                  "widefp:domain|log : domain error\n");
        EXPECT_EQ(y, Words(p + 1, 0x55)) << "result untouched";
    }
    Words one = th::from_double(3.0, 1024), big(3 * 1024 + 6);
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_log(y.data(), one.data(), 1024, big.data(), cache.data()); })
                  .substr(0, 13),
              "widefp:range|");
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_log(y.data(), one.data(), 0, big.data(), cache.data()); }).substr(0, 13),
              "widefp:range|");
    // Kernels given lengths beyond their stack arrays refuse them.
    Words t(1026, 0), out(1026), acc(1026);
    EXPECT_EQ(ec::fatal_of([&] { widefp_array_log(t.data(), out.data(), cache.data(), 1025); }).substr(0, 13),
              "widefp:range|");
    EXPECT_EQ(ec::fatal_of([&] { widefp_invadd(acc.data(), 1, cache.data(), 1, 1026); }).substr(0, 13),
              "widefp:range|");
    // A cache used at p = 2 is refused at p = 3, and reported by the check.
    Words x = th::from_double(3.0, 3), w3(3 * 3 + 6), y3(4);
    EXPECT_EQ(widefp_cache_check(cache.data(), cache.size(), 2), 0);
    widefp_float_log(y.data(), x.data(), p, work.data(), cache.data());
    EXPECT_EQ(widefp_cache_check(cache.data(), cache.size(), 2), 0);
    EXPECT_EQ(widefp_cache_check(cache.data(), cache.size(), 1), 2);
    Words long_cache = cache;
    long_cache.resize(widefp_cache_size(3), 0);
    EXPECT_EQ(widefp_cache_check(long_cache.data(), long_cache.size(), 3), 2);
    EXPECT_EQ(widefp_cache_check(cache.data(), cache.size() - 1, 2), 1);
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_log(y3.data(), x.data(), 3, w3.data(), long_cache.data()); })
                  .substr(0, 13),
              "widefp:cache|");
}

TEST(LogDeathTest, DefaultRouteEndsTheProcess) {
    Words x = th::from_double(-2.0, 2), y(3), work(12), cache(widefp_cache_size(2), 0);
    EXPECT_EXIT(widefp_float_log(y.data(), x.data(), 2, work.data(), cache.data()), testing::ExitedWithCode(1),
                "^log : domain error\n$");
}

TEST(Log, CacheReuseAndSharing) {
    // One cache through many calls of the logarithm, the power and the
    // arctangent gives the results of fresh caches.
    th::Rng rng(0xcac);
    for (uint64_t p : {1, 4, 9, 64}) {
        Words shared(widefp_cache_size(p), 0), fresh(widefp_cache_size(p), 0), work(3 * p + 6), a(p + 1);
        Words w = th::from_double(0.3, p), y = th::from_double(2.5, p), atan_first(p + 1), pow_fresh(p + 1);
        widefp_float_atan(atan_first.data(), w.data(), p, work.data(), shared.data());
        for (int c = 0; c < 6; ++c) {
            Words x = th::random_wr(rng, p, -3, 3, false);
            uint64_t g;
            Words l = log_of(x, p, &g);
            EXPECT_EQ(widefp_float_log(a.data(), x.data(), p, work.data(), shared.data()), g);
            EXPECT_EQ(a, l);
            std::fill(fresh.begin(), fresh.end(), 0);
            g = widefp_float_pow(pow_fresh.data(), x.data(), y.data(), p, work.data(), fresh.data());
            EXPECT_EQ(widefp_float_pow(a.data(), x.data(), y.data(), p, work.data(), shared.data()), g);
            EXPECT_EQ(a, pow_fresh);
        }
        widefp_float_atan(a.data(), w.data(), p, work.data(), shared.data());
        EXPECT_EQ(a, atan_first);
    }
}

TEST(Log, TrimmedSeriesFollowsThePlainSeries) {
    th::Rng rng(0x5e7);
    for (uint64_t P : {2, 3, 17, 200, 721}) {
        const int64_t e = P > 100 ? -24 : -2;
        int64_t N;
        const double d = ec::trimmed_vs_plain(th::random_wr(rng, P, e - 4, e, false), P, 1, &N);
        EXPECT_LE(d, 4.0 + 2 * N / 64.0) << "P=" << P;
    }
}

TEST(Log, Identities) {
    th::Rng rng(0x1d);
    for (uint64_t p : {2, 7, 40}) {
        const int64_t ulp = 64 * static_cast<int64_t>(p);
        for (int c = 0; c < 8; ++c) {
            Words x = th::random_wr(rng, p, -100, 100, false), u = th::random_wr(rng, p, -100, 100, false);
            Words e(p + 1), d(p + 1), xu(p + 1), sum(p + 1), work(2 * p + 5);
            uint64_t g;
            Words lx = log_of(x, p, &g), lu = log_of(u, p, &g);
            // exp(log x) = x: the ulp of |ln x| < 2^7 magnified into a relative
            // error of x, and the exponential's own.
            widefp_float_exp(e.data(), lx.data(), p, work.data());
            widefp_float_sub(d.data(), e.data(), x.data(), p);
            EXPECT_LE(th::unbiased(d.data()), th::unbiased(x.data()) + 9 - ulp) << "p=" << p;
            // log(x u) = log x + log u to a few ulps of the larger logarithm
            // (or of 1: x u is truncated).
            widefp_float_mul(xu.data(), x.data(), u.data(), p);
            Words lxu = log_of(xu, p, &g);
            widefp_float_add(sum.data(), lx.data(), lu.data(), p);
            widefp_float_sub(d.data(), lxu.data(), sum.data(), p);
            const int64_t big = std::max({th::unbiased(lx.data()), th::unbiased(lu.data()), int64_t{0}});
            EXPECT_LE(th::unbiased(d.data()), big + 4 - ulp) << "p=" << p;
        }
    }
}

}  // namespace
