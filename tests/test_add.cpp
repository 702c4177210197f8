// Tests of widefp_float_add / widefp_float_sub against MPFR, their edge cases, and widefp_array_sub against GMP.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "harness.h"

namespace {

using th::Words;
constexpr uint64_t kOnes = ~uint64_t{0};

// A widereal 2^e * (1 + fraction), the fraction given by its first words.
Words make(uint64_t p, int64_t e, std::initializer_list<uint64_t> frac = {}, bool neg = false) {
    Words x(p + 1, 0);
    x[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + e) | (neg ? th::kSign : 0);
    uint64_t j = 1;
    for (uint64_t w : frac) {
        if (j > p) break;
        x[j++] = w;
    }
    return x;
}

uint64_t op(bool sub, uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p) {
    return sub ? widefp_float_sub(c, a, b, p) : widefp_float_add(c, a, b, p);
}

// The significand of a finite nonzero element as an integer of 64p+1 bits.
void significand(mpz_t m, const Words &x, uint64_t p) {
    mpz_import(m, p, 1, sizeof(uint64_t), 0, 0, x.data() + 1);
    mpz_setbit(m, 64 * p);
}

// The top k bits (1 <= k <= 64) of a discarded part X / 2^d (X < 2^d, a
// fraction of one unit) placed at the top of a 64-bit word, with bit 0 set
// when anything below those k bits is nonzero.
uint64_t top_bits(const mpz_t X, uint64_t d, unsigned k) {
    mpz_t t, r;
    mpz_inits(t, r, nullptr);
    mpz_mul_2exp(t, X, k);         // X * 2^k / 2^d: the top k bits and the rest
    mpz_fdiv_r_2exp(r, t, d);
    mpz_fdiv_q_2exp(t, t, d);
    uint64_t g = mpz_get_ui(t) << (64 - k);
    if (mpz_sgn(r) != 0) g |= 1;
    mpz_clears(t, r, nullptr);
    return g;
}

// The guard word of A op B for finite nonzero operands and a finite nonzero
// result C, from the discarded part of the smaller operand: in units of the
// larger operand's last place, S's part below it is X / 2^d.  A sum keeps the
// top s bits of it (64 for whole-word shifts, 1 beyond the last place), one
// more bit when the sum carries; a difference keeps 64 bits (2 just beyond
// the last place, a fixed 2 further out), complemented, and shifted left with
// the fraction as the difference is normalised.  All ones is returned as
// 0xff..fe.
uint64_t expected_guard(const Words &A, const Words &B, bool sub, uint64_t p, const Words &C) {
    const uint64_t P = 64 * p;
    mpz_t ma, mb, X, sum;
    mpz_inits(ma, mb, X, sum, nullptr);
    significand(ma, A, p);
    significand(mb, B, p);
    const int64_t ea = th::unbiased(A.data()), eb = th::unbiased(B.data());
    const bool a_larger = ea != eb ? ea > eb : mpz_cmp(ma, mb) >= 0;
    mpz_srcptr mL = a_larger ? ma : mb, mS = a_larger ? mb : ma;
    const int64_t eL = a_larger ? ea : eb;
    const uint64_t d = static_cast<uint64_t>(a_larger ? ea - eb : eb - ea);
    const bool add_magnitudes = (((A[0] ^ B[0]) & th::kSign) == 0) != sub;
    if (d < P + 400) mpz_fdiv_r_2exp(X, mS, d);  // S's part below L's last place
    uint64_t g;
    if (add_magnitudes) {
        mpz_fdiv_q_2exp(sum, mS, d);
        mpz_add(sum, sum, mL);  // truncated sum in units of L's last place
        const bool carry = mpz_sizeinbase(sum, 2) > P + 1;
        if (d == 0)
            g = mpz_odd_p(sum) ? 0x8000000000000000ULL : 0;
        else if (d > P)
            g = d == P + 1 ? top_bits(X, d, 1) : 1;
        else {
            g = top_bits(X, d, d % 64 ? static_cast<unsigned>(d % 64) : 64);
            if (carry) g = (mpz_odd_p(sum) ? 0x8000000000000000ULL : 0) | (g >> 1) | (g & 1);
        }
    } else {
        if (d == 0)
            g = 0;
        else if (d <= P)
            g = top_bits(X, d, 64);
        else if (d <= P + 2)
            g = top_bits(X, d, 2);
        else
            g = 2;
        g = -g;
        const uint64_t shift = static_cast<uint64_t>(eL - th::unbiased(C.data()));
        g = shift >= 64 ? 0 : g << shift;
    }
    mpz_clears(ma, mb, X, sum, nullptr);
    return g == kOnes ? kOnes - 1 : g;
}

// Runs A op B with the result in a fresh element (alias 0), in A (1) or in
// B (2), and checks it against MPFR at 64p+1 bits: the stored words are the
// result rounded toward zero, and our rounding functions with the returned
// guard word give MPFR's nearest, upward and downward results.
void check_against_mpfr(const Words &A, const Words &B, bool sub, uint64_t p, int alias) {
    th::Mp a(p), b(p), r(p);
    th::to_mpfr(a, A.data(), p);
    th::to_mpfr(b, B.data(), p);

    Words Ac = A, Bc = B, C(p + 1, 0xdeadbeefdeadbeefULL);
    uint64_t *c = alias == 1 ? Ac.data() : alias == 2 ? Bc.data() : C.data();
    const uint64_t g = op(sub, c, Ac.data(), Bc.data(), p);
    Words got(c, c + p + 1);
    if (alias != 1) {
        EXPECT_EQ(Ac, A) << "operand A changed";
    }
    if (alias != 2) {
        EXPECT_EQ(Bc, B) << "operand B changed";
    }

    auto ctx = [&] {
        return std::string(sub ? "sub" : "add") + " p=" + std::to_string(p) + " alias=" + std::to_string(alias) +
               "\nA=" + th::hex(A) + "\nB=" + th::hex(B) + "\nC=" + th::hex(got) + "\ng=" + th::hex(g);
    };
    EXPECT_NE(g, kOnes) << ctx();
    if (!th::is_zero(A.data()) && !th::is_zero(B.data()) && !th::is_zero(got.data()) && !th::is_inf(got.data())) {
        ASSERT_EQ(g, expected_guard(A, B, sub, p, got)) << ctx();
    }

    const mpfr_rnd_t modes[4] = {MPFR_RNDZ, MPFR_RNDN, MPFR_RNDU, MPFR_RNDD};
    for (int m = 0; m < 4; ++m) {
        if (sub)
            mpfr_sub(r, a, b, modes[m]);
        else
            mpfr_add(r, a, b, modes[m]);
        Words mine = got;
        if (m == 1) widefp_float_round_near(mine.data(), g, p);
        if (m == 2) widefp_float_round_plus(mine.data(), g, p);
        if (m == 3) widefp_float_round_minus(mine.data(), g, p);
        if (mpfr_zero_p(r)) {
            // Exact cancellation gives +0 in every mode.
            ASSERT_EQ(mine[0], 0u) << ctx();
            ASSERT_EQ(g, 0u) << ctx();
            continue;
        }
        Words want = th::from_mpfr(r, p);
        ASSERT_TRUE(th::same_value(mine.data(), want.data(), p))
            << "mode " << m << "\nwant=" << th::hex(want) << "\ngot =" << th::hex(mine) << "\n" << ctx();
    }
}

// An exponent difference that exercises a chosen path.
uint64_t pick_difference(th::Rng &rng, uint64_t p) {
    const uint64_t P = 64 * p;
    switch (rng.below(16)) {
        case 0: return 0;
        case 1: return 1 + rng.below(3);
        case 2: return rng.range(1, 63);                       // inside a word
        case 3: return 64 * rng.range(1, p);                   // whole words
        case 4: return 64 * rng.range(1, p) + rng.range(1, 63) % (P + 1);
        case 5: return P - rng.below(3);                        // 64p-2 .. 64p
        case 6: return P + 1;
        case 7: return P + 2;
        case 8: return P + 3 + rng.below(3);
        case 9: return P + rng.range(4, 300);                   // beyond
        case 10: return 64 * rng.below(p + 1) + (rng.coin() ? 1 : 63);
        default: return rng.range(0, P + 3);
    }
}

// Random operands; a quarter of them are built to cancel whole words.
void random_pair(th::Rng &rng, uint64_t p, Words &A, Words &B) {
    A = th::random_wr(rng, p, -40, 40);
    uint64_t d = pick_difference(rng, p);
    B = th::random_wr(rng, p);
    const int64_t ea = th::unbiased(A.data());
    B[0] = (B[0] & th::kSign) | static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + ea - static_cast<int64_t>(d));
    switch (rng.below(8)) {
        case 0: {  // same exponent, equal leading words
            B[0] = (B[0] & th::kSign) | th::exp_field(A.data());
            const uint64_t m = rng.range(0, p);
            std::copy(A.begin() + 1, A.begin() + 1 + m, B.begin() + 1);
            if (rng.below(8) == 0) std::copy(A.begin() + 1, A.end(), B.begin() + 1);  // equal magnitudes
            break;
        }
        case 1: {  // 1.000..x - 0.1111..y: cancellation of whole words at d = 1
            const uint64_t m = rng.range(1, p);
            std::fill(A.begin() + 1, A.begin() + 1 + m, 0);
            B[0] = (B[0] & th::kSign) | (th::exp_field(A.data()) - 1);
            std::fill(B.begin() + 1, B.begin() + 1 + m, kOnes);
            if (rng.below(4) == 0) std::fill(B.begin() + 1, B.end(), kOnes);
            if (rng.below(4) == 0) std::fill(A.begin() + 1, A.end(), 0);
            break;
        }
        case 2:  // all-ones and all-zero fractions: long carries and borrows
            std::fill(A.begin() + 1, A.end(), rng.coin() ? kOnes : 0);
            if (rng.coin()) std::fill(B.begin() + 1, B.end(), rng.coin() ? kOnes : 0);
            break;
        default:
            break;
    }
    if (rng.coin()) std::swap(A, B);
}

void random_run(uint64_t p, int count, uint64_t seed) {
    th::Rng rng(seed + p);
    Words A, B;
    for (long i = 0, n = th::cases(count); i < n; ++i) {
        random_pair(rng, p, A, B);
        const bool sub = rng.coin();
        const int alias = static_cast<int>(rng.below(3));
        check_against_mpfr(A, B, sub, p, alias);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(FloatAdd, RandomAgainstMpfrSmallP) {
    for (uint64_t p : {1, 2, 3, 4, 7, 8, 31, 64}) {
        SCOPED_TRACE(p);
        random_run(p, p <= 8 ? 40000 : 8000, 11);
        if (HasFatalFailure()) return;
    }
}

TEST(FloatAdd, RandomAgainstMpfrLargeP) {
    for (uint64_t p : {300, 721, 1100}) {
        SCOPED_TRACE(p);
        random_run(p, 1500, 12);
        if (HasFatalFailure()) return;
    }
}

// Every exponent difference from 0 to 64p + 70 at small p, both operations.
TEST(FloatAdd, EveryExponentDifference) {
    th::Rng rng(13);
    for (uint64_t p : {1, 2, 3}) {
        for (uint64_t d = 0; d <= 64 * p + 70; ++d) {
            for (int rep = 0; rep < 6; ++rep) {
                Words A = th::random_wr(rng, p, -5, 5), B = th::random_wr(rng, p);
                B[0] = (B[0] & th::kSign) | (th::exp_field(A.data()) - d);
                if (rep == 1) std::fill(A.begin() + 1, A.end(), 0);
                if (rep == 2) std::fill(A.begin() + 1, A.end(), kOnes);
                if (rep == 3) std::fill(B.begin() + 1, B.end(), kOnes);
                check_against_mpfr(A, B, rep & 1, p, static_cast<int>(rng.below(3)));
                check_against_mpfr(B, A, !(rep & 1), p, static_cast<int>(rng.below(3)));
                if (HasFatalFailure()) return;
            }
        }
    }
}

// ---- edge cases ------------------------------------------------------------

TEST(FloatAdd, GuardWordsAtTheLastPlace) {
    for (uint64_t p : {1, 2, 5}) {
        SCOPED_TRACE(p);
        const int64_t P = static_cast<int64_t>(64 * p);
        Words one = make(p, 0), C(p + 1);

        Words two = make(p, 1);
        EXPECT_EQ(widefp_float_add(C.data(), one.data(), one.data(), p), 0u);
        EXPECT_EQ(C, two);

        // 1 + 2^-64p: the last fraction word becomes 1.
        Words x = make(p, -P);
        EXPECT_EQ(widefp_float_add(C.data(), one.data(), x.data(), p), 0u);
        Words want = one;
        want[p] = 1;
        EXPECT_EQ(C, want);

        // 1 + 2^-(64p+1): an exact tie.
        x = make(p, -P - 1);
        EXPECT_EQ(widefp_float_add(C.data(), one.data(), x.data(), p), 0x8000000000000000ULL);
        EXPECT_EQ(C, one);
        // 1 + 1.5 * 2^-(64p+1)
        x = make(p, -P - 1, {0x8000000000000000ULL});
        EXPECT_EQ(widefp_float_add(C.data(), one.data(), x.data(), p), 0x8000000000000001ULL);
        EXPECT_EQ(C, one);
        // 1 + 2^-(64p+5)
        x = make(p, -P - 5);
        EXPECT_EQ(widefp_float_add(C.data(), x.data(), one.data(), p), 1u);
        EXPECT_EQ(C, one);

        // 1.5 - 2^-(64p+5) = 1.5 - 2^-64p, guard 0xff..fe
        Words onehalf = make(p, 0, {0x8000000000000000ULL});
        EXPECT_EQ(widefp_float_sub(C.data(), onehalf.data(), x.data(), p), 0xfffffffffffffffeULL);
        want = onehalf;
        want[1] = 0x7fffffffffffffffULL;
        std::fill(want.begin() + 2, want.end(), kOnes);
        EXPECT_EQ(C, want);

        // 1 - 2^-(64p+5) = 1 - 2^-(64p+1), guard 0xff..fc
        EXPECT_EQ(widefp_float_sub(C.data(), one.data(), x.data(), p), 0xfffffffffffffffcULL);
        want = make(p, -1);
        std::fill(want.begin() + 1, want.end(), kOnes);
        EXPECT_EQ(C, want);

        // 1 - (1 - 2^-(64p+1)) = 2^-(64p+1) exactly.
        Words below = want;
        EXPECT_EQ(widefp_float_sub(C.data(), one.data(), below.data(), p), 0u);
        EXPECT_EQ(C, make(p, -P - 1));
    }
}

TEST(FloatAdd, SignedZeros) {
    const uint64_t p = 3;
    Words pz = make(p, 0), nz(p + 1, 0), x = make(p, 3, {0x1234, 5, 6}, true), C(p + 1);
    pz[0] = 0;
    nz[0] = th::kSign;
    for (bool sub : {false, true}) {
        for (const Words *v : {&x}) {
            Words y = *v;
            // x - x and x + (-x): +0, whatever the sign of x.
            for (bool neg : {false, true}) {
                y[0] = (y[0] & ~th::kSign) | (neg ? th::kSign : 0);
                Words other = y;
                if (!sub) other[0] ^= th::kSign;
                C.assign(p + 1, 7);
                EXPECT_EQ(op(sub, C.data(), y.data(), other.data(), p), 0u);
                EXPECT_EQ(C[0], 0u);
            }
        }
    }
    // (+0) - (+0) = -0, (+0) + (-0) = -0, (-0) + (+0) = +0, (-0) - (-0) = +0
    EXPECT_EQ(widefp_float_sub(C.data(), pz.data(), pz.data(), p), 0u);
    EXPECT_EQ(C[0], th::kSign);
    EXPECT_EQ(widefp_float_add(C.data(), pz.data(), nz.data(), p), 0u);
    EXPECT_EQ(C[0], th::kSign);
    EXPECT_EQ(widefp_float_add(C.data(), nz.data(), pz.data(), p), 0u);
    EXPECT_EQ(C[0], 0u);
    EXPECT_EQ(widefp_float_sub(C.data(), nz.data(), nz.data(), p), 0u);
    EXPECT_EQ(C[0], 0u);
    // 0 - x = -x, 0 + x = x, x - 0 = x, x + 0 = x
    Words negx = x;
    negx[0] ^= th::kSign;
    EXPECT_EQ(widefp_float_sub(C.data(), pz.data(), x.data(), p), 0u);
    EXPECT_EQ(C, negx);
    EXPECT_EQ(widefp_float_add(C.data(), nz.data(), x.data(), p), 0u);
    EXPECT_EQ(C, x);
    EXPECT_EQ(widefp_float_sub(C.data(), x.data(), nz.data(), p), 0u);
    EXPECT_EQ(C, x);
    EXPECT_EQ(widefp_float_add(C.data(), x.data(), pz.data(), p), 0u);
    EXPECT_EQ(C, x);
}

TEST(FloatAdd, Aliasing) {
    th::Rng rng(21);
    for (uint64_t p : {1, 2, 6}) {
        for (int i = 0; i < 50; ++i) {
            Words x = th::random_wr(rng, p), want = x;
            want[0] += 1;
            EXPECT_EQ(widefp_float_add(x.data(), x.data(), x.data(), p), 0u);
            EXPECT_EQ(x, want);
            EXPECT_EQ(widefp_float_sub(x.data(), x.data(), x.data(), p), 0u);
            EXPECT_EQ(x[0], 0u);
        }
    }
}

TEST(FloatAdd, OverflowToInfinity) {
    const uint64_t p = 2, top = th::kExpMask - 1;
    Words C(p + 1);
    // Two numbers of exponent field 0x7ff..fe whose sum carries: exponent
    // field 0x7ff..ff, fraction and guard word stored as usual.
    Words a = {top, 0x8000000000000000ULL, 3}, b = {top, 0x8000000000000000ULL, 0};
    EXPECT_EQ(widefp_float_add(C.data(), a.data(), b.data(), p), 0x8000000000000000ULL);
    EXPECT_EQ(C, (Words{th::kExpMask, 0x8000000000000000ULL, 1}));
    EXPECT_EQ(widefp_float_add(C.data(), a.data(), a.data(), p), 0u);  // 2a
    EXPECT_EQ(C, (Words{th::kExpMask, 0x8000000000000000ULL, 3}));
    Words na = a;
    na[0] |= th::kSign;
    EXPECT_EQ(widefp_float_sub(C.data(), na.data(), b.data(), p), 0x8000000000000000ULL);
    EXPECT_EQ(C[0], th::kSign | th::kExpMask);

    // An infinity whose sum carries: the infinity of the result's sign, guard 0.
    Words ninf = {th::kSign | th::kExpMask, kOnes, kOnes}, y = {th::kSign | top, 5, 6};
    EXPECT_EQ(widefp_float_add(C.data(), ninf.data(), y.data(), p), 0u);
    EXPECT_EQ(C[0], th::kSign | th::kExpMask);
    Words pinf1 = {th::kExpMask, kOnes, kOnes};
    EXPECT_EQ(widefp_float_sub(C.data(), y.data(), pinf1.data(), p), 0u);  // y - (+inf) = -inf
    EXPECT_EQ(C[0], th::kSign | th::kExpMask);
    EXPECT_EQ(widefp_float_add(C.data(), ninf.data(), ninf.data(), p), 0u);
    EXPECT_EQ(C[0], ninf[0]);
    // An infinity plus or minus any finite number is that infinity, exact
    // (guard 0), whichever operand it is and however close the other is.
    Words one = make(p, 0), pinf = {th::kExpMask, 0, 0}, half = {top, 0, 0};
    Words minf = {th::kSign | th::kExpMask, 0, 0};
    for (const Words *x : {&one, &half, &y}) {
        Words nx = *x;
        nx[0] ^= th::kSign;
        EXPECT_EQ(widefp_float_add(C.data(), pinf.data(), x->data(), p), 0u);
        EXPECT_EQ(C, pinf);
        EXPECT_EQ(widefp_float_sub(C.data(), pinf.data(), x->data(), p), 0u);  // inf - x
        EXPECT_EQ(C, pinf);
        EXPECT_EQ(widefp_float_add(C.data(), pinf.data(), nx.data(), p), 0u);  // inf + (-x)
        EXPECT_EQ(C, pinf);
        EXPECT_EQ(widefp_float_sub(C.data(), x->data(), pinf.data(), p), 0u);  // x - inf
        EXPECT_EQ(C, minf);
        EXPECT_EQ(widefp_float_add(C.data(), nx.data(), minf.data(), p), 0u);  // -x + (-inf)
        EXPECT_EQ(C, minf);
    }
    // inf - inf of equal fractions: +0.
    EXPECT_EQ(widefp_float_sub(C.data(), ninf.data(), ninf.data(), p), 0u);
    EXPECT_EQ(C[0], 0u);
}

TEST(FloatAdd, Underflow) {
    for (uint64_t p : {1, 3}) {
        Words C(p + 1);
        // Exponent field 1: a difference needing two bits of shift underflows
        // to a zero of the result's sign with guard word 1.
        Words a(p + 1, 0), b(p + 1, 0);
        a[0] = 1;
        a[1] = 0x4000000000000000ULL;
        b[0] = 1;
        EXPECT_EQ(widefp_float_sub(C.data(), a.data(), b.data(), p), 1u);
        EXPECT_EQ(C[0], 0u);
        EXPECT_EQ(widefp_float_sub(C.data(), b.data(), a.data(), p), 1u);
        EXPECT_EQ(C[0], th::kSign);
        Words na = a;
        na[0] |= th::kSign;
        EXPECT_EQ(widefp_float_add(C.data(), na.data(), b.data(), p), 1u);
        EXPECT_EQ(C[0], th::kSign);
        // Rounding it away from zero gives the smallest number of its sign.
        widefp_float_round_plus(C.data(), 1, p);
        EXPECT_EQ(C[0], th::kSign);
        widefp_float_round_minus(C.data(), 1, p);
        EXPECT_EQ(C[0], th::kSign | 1);
        for (uint64_t j = 1; j <= p; ++j) EXPECT_EQ(C[j], 0u);

        // One bit of shift: the exponent field reaches exactly 0 and the
        // number reads as a zero; the guard word is returned as usual.
        a[1] = 0x8000000000000000ULL;
        a[p] |= 1;
        EXPECT_EQ(widefp_float_sub(C.data(), a.data(), b.data(), p), 0u);
        EXPECT_EQ(C[0], 0u);
        EXPECT_EQ(C[p], 2u);
        // Exponent field 2 minus a number of field 1 ending in a 1 bit: two
        // bits of shift bring the exponent field to exactly 0, the half-unit
        // bit below the last place shifted in (exact, guard 0).
        Words l(p + 1, 0), s(p + 1, 0);
        l[0] = 2;
        s[0] = 1;
        s[1] = 0x4000000000000000ULL;
        s[p] |= 1;
        EXPECT_EQ(widefp_float_sub(C.data(), l.data(), s.data(), p), 0u);
        EXPECT_EQ(C[0], 0u);
        EXPECT_EQ(C[p] & 3, 2u);
    }
}

// ---- widefp_array_sub --------------------------------------------------------

TEST(ArraySub, AgainstGmpWithAliasing) {
    th::Rng rng(31);
    for (uint64_t n : {1, 2, 3, 5, 8, 17, 64, 721}) {
        for (int i = 0; i < 200; ++i) {
            Words x(n + 2), y(n + 2), r(n + 2);
            rng.fill(x.data() + 1, n);
            rng.fill(y.data() + 1, n);
            if (rng.below(4) == 0) std::copy(x.begin() + 1, x.begin() + 1 + rng.below(n + 1), y.begin() + 1);
            const uint64_t sentinel = rng.word();
            for (Words *v : {&x, &y, &r}) (*v)[0] = (*v)[n + 1] = sentinel;

            // GMP works least significant limb first.
            std::vector<mp_limb_t> xl(n), yl(n), rl(n);
            for (uint64_t k = 0; k < n; ++k) {
                xl[k] = x[n - k];
                yl[k] = y[n - k];
            }
            const mp_limb_t bw = mpn_sub_n(rl.data(), xl.data(), yl.data(), static_cast<mp_size_t>(n));
            Words want(n + 2, sentinel);
            for (uint64_t k = 0; k < n; ++k) want[n - k] = rl[k];

            const int alias = static_cast<int>(rng.below(3));
            Words xc = x, yc = y;
            uint64_t *out = alias == 1 ? xc.data() : alias == 2 ? yc.data() : r.data();
            EXPECT_EQ(widefp_array_sub(out + 1, xc.data() + 1, yc.data() + 1, n), bw);
            Words got(out, out + n + 2);
            ASSERT_EQ(got, want) << "n=" << n << " alias=" << alias;
            if (alias != 1) {
                EXPECT_EQ(xc, x);
            }
            if (alias != 2) {
                EXPECT_EQ(yc, y);
            }
        }
    }
    // n = 0: nothing written, no borrow.
    uint64_t w = 42;
    EXPECT_EQ(widefp_array_sub(&w, &w, &w, 0), 0u);
    EXPECT_EQ(w, 42u);
}

}  // namespace
