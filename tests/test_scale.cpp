// test_scale.cpp -- integer scaling of widereals and word-array add, multiply and divide against MPFR and GMP.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "harness.h"

namespace {

using th::Words;

constexpr uint64_t kInf = th::kExpMask;
constexpr uint64_t kSentinel = 0x5a5a5a5a5a5a5a5aULL;

std::vector<uint64_t> precisions() {
    std::vector<uint64_t> ps;
    for (uint64_t p = 1; p <= 24; ++p) ps.push_back(p);
    for (uint64_t p : {31, 32, 33, 64, 100, 255, 719, 720, 721, 1023}) ps.push_back(p);
    return ps;
}

// Multipliers over the whole signed range: the ends, small values, powers of
// two and random values of every bit length.
std::vector<int64_t> multipliers(th::Rng &rng) {
    std::vector<int64_t> ks = {INT64_MIN, INT64_MIN + 1, INT64_MAX, -1, 1, 2, -2, 3, -3, 7, 10, -10,
                               int64_t{1} << 62, -(int64_t{1} << 62), (int64_t{1} << 62) + 1, 0x5555555555555555LL};
    for (int bits = 1; bits <= 63; bits += 3) {
        int64_t k = static_cast<int64_t>(rng.word() >> (64 - bits)) | (int64_t{1} << (bits - 1));
        ks.push_back(rng.coin() ? -k : k);
    }
    return ks;
}

void words_to_mpz(mpz_ptr out, const uint64_t *w, size_t n) { mpz_import(out, n, 1, sizeof(uint64_t), 0, 0, w); }

// The n low words of v (most significant first).
Words mpz_to_words(mpz_srcptr v, size_t n) {
    Words w(n, 0);
    mpz_t t;
    mpz_init_set(t, v);
    for (size_t i = n; i-- > 0;) {
        w[i] = mpz_getlimbn(t, 0);
        if (mpz_size(t) == 0) w[i] = 0;
        mpz_tdiv_q_2exp(t, t, 64);
    }
    mpz_clear(t);
    return w;
}

// The exact value stored + (g & ~1) units of the last place, as an MPFR
// number with 64p+65 bits.
void with_guard(mpfr_ptr out, const uint64_t *r, uint64_t g, uint64_t p) {
    mpz_t m;
    mpz_init(m);
    Words w(r + 1, r + 1 + p);
    w.push_back(g & ~uint64_t{1});
    words_to_mpz(m, w.data(), p + 1);
    mpz_setbit(m, 64 * (p + 1));
    if (r[0] & th::kSign) mpz_neg(m, m);
    ASSERT_EQ(mpfr_set_z_2exp(out, m, th::unbiased(r) - static_cast<int64_t>(64 * (p + 1)), MPFR_RNDN), 0);
    mpz_clear(m);
}

// Rounding r with our three functions gives MPFR's correctly rounded value of
// exact at 64p+1 bits.
void expect_roundings(const Words &r, uint64_t g, mpfr_srcptr exact, uint64_t p, const std::string &ctx) {
    const struct {
        void (*fn)(uint64_t *, uint64_t, uint64_t);
        mpfr_rnd_t mode;
        const char *name;
    } modes[] = {{widefp_float_round_near, MPFR_RNDN, "near"},
                 {widefp_float_round_plus, MPFR_RNDU, "plus"},
                 {widefp_float_round_minus, MPFR_RNDD, "minus"}};
    for (const auto &m : modes) {
        th::Mp want(p);
        mpfr_set(want, exact, m.mode);
        Words w = th::from_mpfr(want, p);
        Words got = r;
        m.fn(got.data(), g, p);
        EXPECT_TRUE(th::same_value(got.data(), w.data(), p))
            << m.name << " " << ctx << "\n got  " << th::hex(got) << "\n want " << th::hex(w);
    }
}

}  // namespace

// x * k is exact in p words plus the guard word.
TEST(FloatImul, ExactAgainstMpfr) {
    th::Rng rng(0x1a01);
    const std::vector<int64_t> ks = multipliers(rng);
    for (uint64_t p : precisions()) {
        const long trials = th::cases(p <= 24 ? 4 : 1);
        for (int t = 0; t < trials; ++t) {
            for (int64_t k : ks) {
                Words x = th::random_wr(rng, p, -100, 100);
                Words r(p + 1);
                uint64_t g = widefp_float_imul(r.data(), x.data(), k, p);
                th::Mp mx(p), exact(static_cast<mpfr_prec_t>(64 * p + 65), true), got(64 * p + 65, true);
                th::to_mpfr(mx, x.data(), p);
                ASSERT_EQ(mpfr_mul_si(exact, mx, k, MPFR_RNDN), 0);
                with_guard(got, r.data(), g, p);
                const std::string ctx = "p=" + std::to_string(p) + " k=" + std::to_string(k) + " x=" + th::hex(x);
                ASSERT_TRUE(mpfr_equal_p(got, exact)) << ctx << " r=" << th::hex(r) << " g=" << th::hex(g);
                EXPECT_EQ(g & 1, 0u) << ctx;  // nothing below the guard word
                expect_roundings(r, g, exact, p, ctx);
                // in place
                Words a = x;
                EXPECT_EQ(widefp_float_imul(a.data(), a.data(), k, p), g);
                EXPECT_EQ(a, r) << ctx;
            }
        }
    }
}

// x / k is exact up to the sticky bit.
TEST(FloatIdiv, ExactUpToStickyAgainstMpfr) {
    th::Rng rng(0x1d17);
    std::vector<int64_t> ks = multipliers(rng);
    for (uint64_t p : precisions()) {
        const long trials = th::cases(p <= 24 ? 4 : 1);
        for (int t = 0; t < trials; ++t) {
            for (int64_t k : ks) {
                Words x = th::random_wr(rng, p, -100, 100);
                Words r(p + 1);
                uint64_t g = widefp_float_idiv(r.data(), x.data(), k, p);
                const std::string ctx = "p=" + std::to_string(p) + " k=" + std::to_string(k) + " x=" + th::hex(x);
                ASSERT_EQ(r[0] & th::kSign, (x[0] & th::kSign) ^ (k < 0 ? th::kSign : 0)) << ctx;
                th::Mp mx(p), got(64 * p + 65, true), diff(64 * p + 300, true);
                th::to_mpfr(mx, x.data(), p);
                with_guard(got, r.data(), g, p);
                // diff = (x - got * k) / k  (exact numerator)
                mpfr_mul_si(diff, got, k, MPFR_RNDN);
                ASSERT_EQ(mpfr_sub(diff, mx, diff, MPFR_RNDN), 0) << ctx;
                mpfr_div_si(diff, diff, k, MPFR_RNDN);
                // 0 <= |exact| - |got| < 2^(64 - t) units, where 64 - t is the exponent drop
                if (mpfr_signbit(got)) mpfr_neg(diff, diff, MPFR_RNDN);
                EXPECT_GE(mpfr_sgn(diff.get()), 0) << ctx;
                EXPECT_EQ(mpfr_zero_p(diff.get()) ? 0u : 1u, g & 1) << ctx << " sticky bit";
                const int64_t drop = th::unbiased(x.data()) - th::unbiased(r.data());
                if (k == 1 || k == -1) {
                    EXPECT_EQ(drop, 0) << ctx;
                } else {
                    EXPECT_GE(drop, 1) << ctx;
                    EXPECT_LE(drop, 63) << ctx;
                    // the bits below the guard's leading ones are zero
                    EXPECT_EQ((g & ~uint64_t{1}) << (64 - drop), 0u) << ctx;
                    mpfr_mul_2si(diff, diff, -(th::unbiased(r.data()) - static_cast<int64_t>(64 * p) - 64 + drop),
                                 MPFR_RNDN);
                    EXPECT_LT(mpfr_cmp_ui(diff, 1), 0) << ctx;
                }
                th::Mp exact(64 * p + 200, true);
                mpfr_div_si(exact, mx, k, MPFR_RNDN);  // only used rounded to 64p+1 bits below
                th::Mp q(p);
                expect_roundings(r, g, exact, p, ctx);
                (void)q;
                Words a = x;
                EXPECT_EQ(widefp_float_idiv(a.data(), a.data(), k, p), g);
                EXPECT_EQ(a, r) << ctx;
            }
        }
    }
}

TEST(FloatImul, EdgeCases) {
    const uint64_t p = 3;
    // by -1 negates exactly
    th::Rng rng(7);
    Words x = th::random_wr(rng, p), r(p + 1, kSentinel);
    EXPECT_EQ(widefp_float_imul(r.data(), x.data(), -1, p), 0u);
    Words neg = x;
    neg[0] ^= th::kSign;
    EXPECT_EQ(r, neg);
    // 1.5 * 3 = 4.5 with t = 2: fraction 0x2000..., exponent + 2, guard 0
    Words h = th::from_double(1.5, p);
    EXPECT_EQ(widefp_float_imul(r.data(), h.data(), 3, p), 0u);
    EXPECT_EQ(r, th::from_double(4.5, p));
    // k = 0 gives a zero with x's sign; only word 0 is written
    Words m = th::from_double(-2.5, p);
    r.assign(p + 1, kSentinel);
    EXPECT_EQ(widefp_float_imul(r.data(), m.data(), 0, p), 0u);
    EXPECT_EQ(r[0], th::kSign);
    EXPECT_EQ(r[1], kSentinel);
    // even an infinity times 0 is that zero
    Words inf(p + 1, 0);
    inf[0] = kInf;
    EXPECT_EQ(widefp_float_imul(r.data(), inf.data(), 0, p), 0u);
    EXPECT_EQ(r[0], 0u);
    // a zero x: sign x XOR sign k
    Words z(p + 1, 0);
    r.assign(p + 1, kSentinel);
    EXPECT_EQ(widefp_float_imul(r.data(), z.data(), -5, p), 0u);
    EXPECT_EQ(r[0], th::kSign);
    EXPECT_EQ(r[1], kSentinel);
    // an infinite x stays infinite (signs multiply), guard 0
    EXPECT_EQ(widefp_float_imul(r.data(), inf.data(), -7, p), 0u);
    EXPECT_EQ(r[0], th::kSign | kInf);
    EXPECT_EQ(widefp_float_imul(r.data(), inf.data(), 1, p), 0u);
    EXPECT_EQ(r[0], kInf);
    // overflow: the exponent field would pass 2^63 - 1
    Words big = th::from_double(1.5, p);
    big[0] = 0x7ffffffffffffffeULL;
    EXPECT_EQ(widefp_float_imul(r.data(), big.data(), 4, p), 0u);
    EXPECT_EQ(r[0], kInf);
    EXPECT_EQ(widefp_float_imul(r.data(), big.data(), INT64_MIN, p), 0u);
    EXPECT_EQ(r[0], th::kSign | kInf);
    // landing exactly on the infinity field gives that encoding
    widefp_float_imul(r.data(), big.data(), 2, p);
    EXPECT_EQ(r[0], kInf);
    // -2^63 has the magnitude 2^63
    Words one = th::from_double(1.0, p);
    EXPECT_EQ(widefp_float_imul(r.data(), one.data(), INT64_MIN, p), 0u);
    EXPECT_EQ(r, th::from_double(-9223372036854775808.0, p));
    // the guard word takes the low bits of the last word: (1 + 2^-64p) * 3
    Words tiny = one;
    tiny[p] = 1;
    EXPECT_EQ(widefp_float_imul(r.data(), tiny.data(), 3, p), 0x8000000000000000ULL);
    EXPECT_EQ(r[0], th::kBias + 1);
    EXPECT_EQ(r[1], 0x8000000000000000ULL);
    EXPECT_EQ(r[p], 1u);
}

TEST(FloatIdiv, EdgeCases) {
    const uint64_t p = 4;
    Words one = th::from_double(1.0, p), r(p + 1, kSentinel);
    // 1 / 3 = 0.0101...: fraction of alternating bits, sticky bit set
    uint64_t g = widefp_float_idiv(r.data(), one.data(), 3, p);
    EXPECT_EQ(r[0], th::kBias - 2);
    for (uint64_t i = 1; i <= p; ++i) EXPECT_EQ(r[i], 0x5555555555555555ULL);
    EXPECT_EQ(g, 0x5555555555555555ULL);
    EXPECT_EQ(g & 1, 1u);
    // 1 / -1 = -1 exactly
    EXPECT_EQ(widefp_float_idiv(r.data(), one.data(), -1, p), 0u);
    EXPECT_EQ(r, th::from_double(-1.0, p));
    // x / 2^63 and x / -2^63: exact, exponent lowered by 63
    EXPECT_EQ(widefp_float_idiv(r.data(), one.data(), INT64_MIN, p), 0u);
    EXPECT_EQ(r[0], th::kSign | (th::kBias - 63));
    for (uint64_t i = 1; i <= p; ++i) EXPECT_EQ(r[i], 0u);
    // 6 / 4 = 1.5 exactly
    EXPECT_EQ(widefp_float_idiv(r.data(), th::from_double(6.0, p).data(), 4, p), 0u);
    EXPECT_EQ(r, th::from_double(1.5, p));
    // zero: sign x XOR sign k, only word 0 written
    Words z(p + 1, 0);
    z[0] = th::kSign;
    r.assign(p + 1, kSentinel);
    EXPECT_EQ(widefp_float_idiv(r.data(), z.data(), -3, p), 0u);
    EXPECT_EQ(r[0], 0u);
    EXPECT_EQ(r[1], kSentinel);
    // an infinite x gives the infinity of the result's sign, guard 0
    Words inf(p + 1, kSentinel);
    inf[0] = kInf;
    EXPECT_EQ(widefp_float_idiv(r.data(), inf.data(), -3, p), 0u);
    EXPECT_EQ(r[0], th::kSign | kInf);
    EXPECT_EQ(widefp_float_idiv(r.data(), inf.data(), 1, p), 0u);
    EXPECT_EQ(r[0], kInf);
    // underflow: an exponent field below the drop gives a signed zero, guard 1
    Words small = th::from_double(-1.0, p);
    small[0] = th::kSign | 1;
    EXPECT_EQ(widefp_float_idiv(r.data(), small.data(), 3, p), 1u);  // 1/3: drop 2 > field 1
    EXPECT_EQ(r[0], th::kSign);
    // a drop equal to the field leaves the zero encoding with the computed guard word
    small[0] = th::kSign | 2;
    EXPECT_EQ(widefp_float_idiv(r.data(), small.data(), 3, p), 0x5555555555555555ULL);
    EXPECT_EQ(r[0], th::kSign);
    small[0] = th::kSign | 3;  // one higher: exponent field 1
    EXPECT_EQ(widefp_float_idiv(r.data(), small.data(), 3, p), 0x5555555555555555ULL);
    EXPECT_EQ(r[0], th::kSign | 1);
    small = th::from_double(1.5, p);
    small[0] = 1;
    EXPECT_EQ(widefp_float_idiv(r.data(), small.data(), 3, p), 0u);  // 0.5: drop 1 = field
    EXPECT_EQ(r[0], 0u);
    small[0] = 2;
    EXPECT_EQ(widefp_float_idiv(r.data(), small.data(), 3, p), 0u);
    EXPECT_EQ(r[0], 1u);
    for (uint64_t i = 1; i <= p; ++i) EXPECT_EQ(r[i], 0u);
}

// Array division, rounded to nearest even, with the leading-zero count.
TEST(ArrayIdiv, AgainstGmp) {
    th::Rng rng(0x1d1f);
    std::vector<uint64_t> ns;
    for (uint64_t n = 1; n <= 20; ++n) ns.push_back(n);
    for (uint64_t n : {33, 64, 257, 1000}) ns.push_back(n);
    int ties = 0, advances = 0;
    mpz_t A, Q, R, twoR;
    mpz_inits(A, Q, R, twoR, nullptr);
    for (uint64_t n : ns) {
        for (int t = 0; t < 60; ++t) {
            Words a(n + 1);
            rng.fill(a.data(), n);
            uint64_t d;
            switch (rng.below(6)) {
                case 0: d = 1 + rng.below(10); break;
                case 1: d = ~uint64_t{0} - rng.below(2); break;
                case 2: d = uint64_t{1} << rng.below(64); break;
                default: d = rng.word() >> rng.below(64); break;
            }
            if (d == 0) d = 3;
            uint64_t z = rng.below(4) == 0 ? n : rng.below(std::min<uint64_t>(n, 4) + 1);
            if (z > n) z = n;
            for (uint64_t i = 0; i < z; ++i) a[i] = 0;
            // make ties: a = d * q + d/2 for even d
            if (t % 7 == 0 && d % 2 == 0) {
                mpz_set_ui(A, 0);
                words_to_mpz(A, a.data(), n);
                mpz_fdiv_q_ui(A, A, d);
                mpz_mul_ui(A, A, d);
                mpz_add_ui(A, A, d / 2);
                Words w = mpz_to_words(A, n);
                if (std::equal(w.begin(), w.begin() + z, a.begin())) std::copy(w.begin(), w.end(), a.begin());
            }
            a[n] = kSentinel;
            words_to_mpz(A, a.data(), n);
            mpz_fdiv_qr_ui(Q, R, A, d);
            mpz_mul_2exp(twoR, R, 1);
            int c = mpz_cmp_ui(twoR, d);
            if (c == 0) ++ties;
            if (c > 0 || (c == 0 && mpz_odd_p(Q))) mpz_add_ui(Q, Q, 1);
            Words want = mpz_to_words(Q, n);
            const uint64_t want_r = z >= n ? 0 : mpz_get_ui(R);
            if (z >= n) std::fill(want.begin(), want.end(), 0);
            const uint64_t want_z = z < n && want[z] == 0 ? z + 1 : z;
            if (want_z != z) ++advances;
            Words r(n + 1, kSentinel);
            uint64_t zz = z;
            const std::string ctx = "n=" + std::to_string(n) + " d=" + std::to_string(d) + " z=" + std::to_string(z);
            EXPECT_EQ(widefp_array_idiv(r.data(), a.data(), d, n, &zz), want_r) << ctx;
            EXPECT_TRUE(std::equal(want.begin(), want.end(), r.begin())) << ctx;
            EXPECT_EQ(r[n], kSentinel) << ctx;
            EXPECT_EQ(zz, want_z) << ctx;
            // in place
            uint64_t zi = z;
            EXPECT_EQ(widefp_array_idiv(a.data(), a.data(), d, n, &zi), want_r) << ctx;
            EXPECT_TRUE(std::equal(want.begin(), want.end(), a.begin())) << ctx;
            EXPECT_EQ(a[n], kSentinel);
            EXPECT_EQ(zi, want_z);
        }
    }
    mpz_clears(A, Q, R, twoR, nullptr);
    std::printf("[ idiv     ] exact ties: %d, count advances: %d\n", ties, advances);
    EXPECT_GT(ties, 10);
    EXPECT_GT(advances, 10);
}

TEST(ArrayIdiv, EdgeCases) {
    uint64_t z = 0;
    uint64_t a = 5, r = 0;
    EXPECT_EQ(widefp_array_idiv(&r, &a, 2, 1, &z), 1u);  // 5/2 = 2.5, tie to even 2
    EXPECT_EQ(r, 2u);
    a = 7;
    EXPECT_EQ(widefp_array_idiv(&r, &a, 2, 1, &z), 1u);  // 3.5 to 4
    EXPECT_EQ(r, 4u);
    a = 0;
    z = 0;
    EXPECT_EQ(widefp_array_idiv(&r, &a, 2, 1, &z), 0u);
    EXPECT_EQ(z, 1u);  // the quotient's word 0 is zero: the count advances
    // z = n: all zeros, remainder 0
    uint64_t v[3] = {1, 2, 3}, out[3] = {9, 9, 9};
    z = 3;
    EXPECT_EQ(widefp_array_idiv(out, v, 7, 3, &z), 0u);
    EXPECT_EQ(out[0] | out[1] | out[2], 0u);
    EXPECT_EQ(z, 3u);
    // the count advances by at most one per call, and words below z are not read
    uint64_t w[4] = {0xdeadbeef, 0, 5, 0}, q[4];
    z = 1;
    EXPECT_EQ(widefp_array_idiv(q, w, 1000, 4, &z), 80u);  // 5 * 2^64 mod 1000
    EXPECT_EQ(q[0], 0u);
    EXPECT_EQ(z, 2u);
    // a rounding carry can make the word at z nonzero: 2^64 - 1 / 2 rounds up... within one word
    uint64_t t[2] = {0, ~uint64_t{0}}, tq[2];
    z = 0;
    EXPECT_EQ(widefp_array_idiv(tq, t, 2, 2, &z), 1u);  // 0x7fff...f.8, tie to even 0x8000...0
    EXPECT_EQ(tq[0], 0u);
    EXPECT_EQ(tq[1], 0x8000000000000000ULL);
    EXPECT_EQ(z, 1u);
    // a carry reaching word z keeps the count
    uint64_t c[2] = {1, ~uint64_t{0}}, cq[2];
    z = 0;
    widefp_array_idiv(cq, c, 3, 2, &z);  // (2^65 - 1) / 3 = 0xaaaa...a.aaa, no carry into word 0 here
    EXPECT_EQ(cq[0], 0u);
    EXPECT_EQ(z, 1u);
    uint64_t e[1] = {~uint64_t{0}}, eq[1];
    z = 0;
    EXPECT_EQ(widefp_array_idiv(eq, e, ~uint64_t{0} - 1, 1, &z), 1u);  // 1.000...05: quotient 1
    EXPECT_EQ(eq[0], 1u);
    EXPECT_EQ(z, 0u);
}

TEST(ArrayAddImul, AgainstGmp) {
    th::Rng rng(0xadd);
    mpz_t A, B, S;
    mpz_inits(A, B, S, nullptr);
    for (uint64_t n : {1, 2, 3, 4, 5, 8, 13, 64, 300}) {
        for (int t = 0; t < 50; ++t) {
            Words a(n + 1), b(n + 1);
            rng.fill(a.data(), n);
            rng.fill(b.data(), n);
            a[n] = b[n] = kSentinel;
            words_to_mpz(A, a.data(), n);
            words_to_mpz(B, b.data(), n);
            // addition
            mpz_add(S, A, B);
            Words want = mpz_to_words(S, n);
            const uint64_t carry = mpz_tstbit(S, 64 * n);
            Words r(n + 1, kSentinel);
            EXPECT_EQ(widefp_array_add(r.data(), a.data(), b.data(), n), carry);
            EXPECT_TRUE(std::equal(want.begin(), want.end(), r.begin())) << n;
            EXPECT_EQ(r[n], kSentinel);
            Words a2 = a, b2 = b;
            EXPECT_EQ(widefp_array_add(a2.data(), a2.data(), b.data(), n), carry);
            EXPECT_EQ(widefp_array_add(b2.data(), a.data(), b2.data(), n), carry);
            EXPECT_TRUE(std::equal(want.begin(), want.end(), a2.begin()));
            EXPECT_TRUE(std::equal(want.begin(), want.end(), b2.begin()));
            EXPECT_EQ(a2[n], kSentinel);
            Words d = a;  // a + a in place
            mpz_mul_2exp(S, A, 1);
            EXPECT_EQ(widefp_array_add(d.data(), d.data(), d.data(), n), static_cast<uint64_t>(mpz_tstbit(S, 64 * n)));
            want = mpz_to_words(S, n);
            EXPECT_TRUE(std::equal(want.begin(), want.end(), d.begin()));
            // multiplication by one word
            uint64_t m = rng.below(4) == 0 ? ~uint64_t{0} - rng.below(2) : rng.word() >> rng.below(64);
            mpz_mul_ui(S, A, m);
            want = mpz_to_words(S, n);
            mpz_tdiv_q_2exp(S, S, 64 * n);
            const uint64_t top = mpz_get_ui(S);
            r.assign(n + 1, kSentinel);
            EXPECT_EQ(widefp_array_imul(r.data(), a.data(), m, n), top) << n << " " << m;
            EXPECT_TRUE(std::equal(want.begin(), want.end(), r.begin()));
            EXPECT_EQ(r[n], kSentinel);
            a2 = a;
            EXPECT_EQ(widefp_array_imul(a2.data(), a2.data(), m, n), top);
            EXPECT_TRUE(std::equal(want.begin(), want.end(), a2.begin()));
            EXPECT_EQ(a2[n], kSentinel);
        }
    }
    mpz_clears(A, B, S, nullptr);
}

TEST(ArrayAddImul, EdgeCases) {
    uint64_t ones[3] = {~uint64_t{0}, ~uint64_t{0}, ~uint64_t{0}}, one[3] = {0, 0, 1}, r[4] = {9, 9, 9, kSentinel};
    EXPECT_EQ(widefp_array_add(r, ones, one, 3), 1u);
    EXPECT_EQ(r[0] | r[1] | r[2], 0u);
    EXPECT_EQ(r[3], kSentinel);
    EXPECT_EQ(widefp_array_imul(r, ones, 0, 3), 0u);
    EXPECT_EQ(r[0] | r[1] | r[2], 0u);
    // (2^192 - 1) (2^64 - 1) = 2^256 - 2^192 - 2^64 + 1
    EXPECT_EQ(widefp_array_imul(r, ones, ~uint64_t{0}, 3), ~uint64_t{0} - 1);
    EXPECT_EQ(r[0], ~uint64_t{0});
    EXPECT_EQ(r[1], ~uint64_t{0});
    EXPECT_EQ(r[2], 1u);
    EXPECT_EQ(r[3], kSentinel);
}
