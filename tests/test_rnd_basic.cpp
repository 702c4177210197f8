// Correctly rounded addition, subtraction and change of precision against
// MPFR in the four modes, and the rounding test of approximations.
#include <gtest/gtest.h>

#include <cstring>

#include "rnd_check.h"
#include "rounding/ziv.h"

namespace {

using th::Words;

// Operands whose sum cancels, lies on a midpoint or near the range ends.
Words operand(th::Rng &rng, uint64_t p, const Words &other, int kind) {
    Words x = th::random_wr(rng, p, -80, 80);
    switch (kind) {
        case 0: break;
        case 1: {  // close to -other: cancellation
            x = other;
            x[0] ^= th::kSign;
            x[p] ^= rng.below(4) ? rng.word() & 0xff : 0;
            break;
        }
        case 2: {  // a tail exactly half a unit or next to it
            const int64_t e = th::unbiased(other.data()) - 64 * static_cast<int64_t>(p) - 1;
            x.assign(p + 1, 0);
            x[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + e) | (rng.coin() ? th::kSign : 0);
            if (rng.coin()) x[p] = rng.below(3);
            if (rng.coin() && p > 1) x[1] = ~uint64_t{0};
            break;
        }
        case 3:  // near the bottom of the range
            x = th::random_wr(rng, p, 0, 0);
            x[0] = (x[0] & th::kSign) | (1 + rng.below(3 * 64 * p));
            break;
        default:  // near the top
            x = th::random_wr(rng, p, 0, 0);
            x[0] = (x[0] & th::kSign) | (th::kExpMask - 2 - rng.below(3));
            break;
    }
    return x;
}

TEST(RoundedAddSub, BitForBitWithMpfr) {
    th::Rng rng(11);
    rc::Tally tally("add/sub");
    for (uint64_t p : rc::precisions()) {
        const long n = th::cases(p <= 16 ? 300 : p <= 300 ? 40 : 8);
        for (long c = 0; c < n; ++c) {
            const int kind_a = static_cast<int>(rng.below(5));
            Words a = kind_a == 3 || kind_a == 4 ? operand(rng, p, Words(p + 1, 0), kind_a)
                                                 : th::random_wr(rng, p, -80, 80);
            Words b = operand(rng, p, a, kind_a >= 3 ? kind_a : static_cast<int>(rng.below(3)));
            for (int mode : rc::kModes) {
                for (int sub = 0; sub < 2; ++sub) {
                    Words y(p + 1);
                    const int t = sub ? widefp_rnd_sub(y.data(), a.data(), b.data(), p, mode)
                                      : widefp_rnd_add(y.data(), a.data(), b.data(), p, mode);
                    auto ref = rc::reference2(sub ? mpfr_sub : mpfr_add, a.data(), b.data(), p, mode);
                    if (!ref) {
                        ++tally.unverifiable;
                        continue;
                    }
                    ++tally.cases;
                    tally.exact += t == 0;
                    ASSERT_TRUE(rc::same(y, t, *ref, p, std::string(sub ? "sub " : "add ") + rc::mode_name(mode) +
                                                            " a=" + th::hex(a) + " b=" + th::hex(b)));
                    // aliasing: the result over either operand
                    Words z = a;
                    const int t2 = sub ? widefp_rnd_sub(z.data(), z.data(), b.data(), p, mode)
                                       : widefp_rnd_add(z.data(), z.data(), b.data(), p, mode);
                    ASSERT_TRUE(rc::same(z, t2, *ref, p, "aliased"));
                }
            }
        }
    }
}

TEST(RoundedAddSub, SignedZerosAndInfinities) {
    const uint64_t p = 2;
    Words pz(p + 1, 0), nz(p + 1, 0), one = th::from_double(1, p), inf(p + 1, 0), y(p + 1);
    nz[0] = th::kSign;
    inf[0] = th::kExpMask;
    for (int mode : rc::kModes) {
        const uint64_t zero_sign = mode == WIDEFP_RNDD ? th::kSign : 0;
        EXPECT_EQ(widefp_rnd_sub(y.data(), one.data(), one.data(), p, mode), 0);
        EXPECT_EQ(y[0], zero_sign);
        widefp_rnd_add(y.data(), pz.data(), nz.data(), p, mode);
        EXPECT_EQ(y[0], zero_sign);
        widefp_rnd_add(y.data(), nz.data(), nz.data(), p, mode);
        EXPECT_EQ(y[0], th::kSign);
        widefp_rnd_sub(y.data(), nz.data(), pz.data(), p, mode);
        EXPECT_EQ(y[0], th::kSign);
        EXPECT_EQ(widefp_rnd_add(y.data(), inf.data(), one.data(), p, mode), 0);
        EXPECT_EQ(y[0], th::kExpMask);
    }
    EXPECT_EXIT(widefp_rnd_sub(y.data(), inf.data(), inf.data(), p, 0), ::testing::ExitedWithCode(1), "domain");
    EXPECT_EXIT(widefp_rnd_add(y.data(), one.data(), one.data(), 0, 0), ::testing::ExitedWithCode(1), "precision");
    EXPECT_EXIT(widefp_rnd_add(y.data(), one.data(), one.data(), 2, 4), ::testing::ExitedWithCode(1), "mode");
}

TEST(RoundedPrec, BitForBitWithMpfr) {
    th::Rng rng(12);
    rc::Tally tally("prec");
    for (uint64_t q : rc::precisions()) {
        for (long c = 0; c < th::cases(q <= 16 ? 100 : 10); ++c) {
            Words x = th::random_wr(rng, q, -100, 100);
            if (c % 7 == 0) x[0] = (x[0] & th::kSign) | (1 + rng.below(2));  // bottom of the range
            if (c % 7 == 1) x[0] = (x[0] & th::kSign) | (th::kExpMask - 2);  // below the top binade
            const uint64_t p = 1 + rng.below(q + 2);
            if (p > 1023) continue;
            th::Mp a(q);
            th::to_mpfr(a, x.data(), q);
            for (int mode : rc::kModes) {
                Words y(std::max(p, q) + 1);
                const int t = widefp_rnd_prec(y.data(), p, x.data(), q, mode);
                auto ref = rc::reference(p, mode, [&](mpfr_ptr out, mpfr_rnd_t r) { return mpfr_set(out, a, r); });
                if (!ref) {
                    ++tally.unverifiable;
                    continue;
                }
                ++tally.cases;
                y.resize(p + 1);
                ASSERT_TRUE(rc::same(y, t, *ref, p, std::string("prec ") + rc::mode_name(mode) + " x=" + th::hex(x)));
                if (p <= q) {  // in place
                    Words z = x;
                    const int t2 = widefp_rnd_prec(z.data(), p, z.data(), q, mode);
                    z.resize(p + 1);
                    ASSERT_TRUE(rc::same(z, t2, *ref, p, "in place"));
                }
            }
        }
    }
}

// round_approx: given an approximation within the stated error of a value
// known to MPFR, a decided rounding is MPFR's; undecided ones must be rare
// for random values and certain for values on a rounding boundary.
TEST(RoundApprox, DecidesOnlyWhatTheIntervalDecides) {
    using namespace widefp::rnd;
    th::Rng rng(13);
    long decided = 0, total = 0;
    for (uint64_t p : {1, 2, 3, 5, 16, 64}) {
        for (long c = 0; c < th::cases(400); ++c) {
            const uint64_t q = p + 1 + rng.below(3);
            Words v = th::random_wr(rng, q + 1, -20, 20);  // the "exact" value
            if (c % 4 == 0) {  // on or next to a boundary of precision p
                for (uint64_t j = p + 1; j <= q + 1; ++j) v[j] = 0;
                if (rng.coin()) v[p + 1] = widefp::detail::kHalf;
                if (rng.coin()) v[q + 1] = rng.below(3);
            }
            const int64_t err = static_cast<int64_t>(rng.below(64 * (q - p) + 8));
            // x: v moved by at most 2^err units of the last place of q words
            Words x(v.begin(), v.begin() + q + 1);
            Words d(q + 2, 0);
            d[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + th::unbiased(v.data()) -
                                         64 * static_cast<int64_t>(q) + err - 1 - static_cast<int64_t>(rng.below(3)));
            Words xv(q + 2);
            xv = v;
            uint64_t g = rng.coin() ? widefp_float_add(xv.data(), v.data(), d.data(), q + 1)
                                    : widefp_float_sub(xv.data(), v.data(), d.data(), q + 1);
            (void)g;
            // the approximation: xv truncated to q words (adds < 1 unit: err+1 covers it)
            for (int mode : rc::kModes) {
                Words y(p + 1);
                int t = 0;
                ++total;
                if (!round_approx(y.data(), p, th::is_zero(xv.data()) ? false : (xv[0] & th::kSign) != 0,
                                  th::unbiased(xv.data()), xv.data() + 1, q, err + 2, mode, &t))
                    continue;
                ++decided;
                th::Mp m(q + 1);
                th::to_mpfr(m, v.data(), q + 1);
                auto ref = rc::reference(p, mode, [&](mpfr_ptr out, mpfr_rnd_t r) { return mpfr_set(out, m, r); });
                ASSERT_TRUE(ref.has_value());
                ASSERT_TRUE(rc::same(y, t, *ref, p, std::string("approx ") + rc::mode_name(mode) + " v=" + th::hex(v)));
            }
        }
    }
    std::printf("[ rounding ] round_approx decided %ld of %ld\n", decided, total);
    EXPECT_GT(decided, total / 3);
}

}  // namespace
