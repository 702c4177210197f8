// test_array_mul.cpp -- the n-word mantissa products against GMP: the exact
// Karatsuba product rounded to nearest even, and the half product with its
// carry estimate.
#include <gmp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "harness.h"
#include "kernel/array_mul_skip.h"
#include "reference/ref_mul.h"
#include "widefp.h"

namespace {

using th::Words;

// Exact 2n-word product, most significant word first.
void to_mpz(mpz_t z, const uint64_t *w, size_t n) { mpz_import(z, n, 1, sizeof(uint64_t), 0, 0, w); }

// P' of the half product in units of its rounding word: every product of
// columns 0..n exactly, plus the high halves of column n+1.  Returned as
// n+2 words, most significant first (P'[0..n+1]).  Built with GMP's
// addmul, row by row: row i adds a[i] times the words b[0..n-i].
Words half_estimate(const Words &a, const Words &b) {
    const size_t n = a.size();
    std::vector<mp_limb_t> bl(b.rbegin(), b.rend());  // least significant first
    std::vector<mp_limb_t> R(n + 3, 0);
    // row 0: a[0]*B lands one word up
    R[n + 1] += mpn_addmul_1(R.data() + 1, bl.data(), n, a[0]);
    for (size_t i = 1; i < n; ++i) {
        // words b[0..n-i] are bl[i-1 .. n-1]
        mp_limb_t cy = mpn_addmul_1(R.data(), bl.data() + (i - 1), n - i + 1, a[i]);
        mpn_add_1(R.data() + (n - i + 1), R.data() + (n - i + 1), n + 3 - (n - i + 1), cy);
    }
    for (size_t i = 2; i < n; ++i) {  // column n+1: j = n+1-i runs n-1 .. 2
        size_t j = n + 1 - i;
        unsigned __int128 t = static_cast<unsigned __int128>(a[i]) * b[j];
        mpn_add_1(R.data(), R.data(), n + 3, static_cast<mp_limb_t>(t >> 64));
    }
    EXPECT_EQ(R[n + 2], 0u);
    return Words(R.rbegin() + 1, R.rend());
}

Words random_words(th::Rng &rng, size_t n) {
    Words w(n);
    rng.fill(w.data(), n);
    return w;
}

enum class Alias { None, A, B, Both };

// Calls f with result given as a fresh array (guarded on both sides) or as
// a and/or b; returns the top word and the n result words.
template <class F>
uint64_t call(F f, const Words &a, const Words &b, Alias alias, Words &out) {
    const size_t n = a.size();
    constexpr uint64_t kCanary = 0xdeadbeefcafef00dULL;
    Words buf(n + 2, kCanary);
    Words ca = a, cb = b;
    uint64_t top;
    switch (alias) {
        case Alias::None:
            top = f(buf.data() + 1, ca.data(), cb.data(), n);
            EXPECT_EQ(buf[0], kCanary);
            EXPECT_EQ(buf[n + 1], kCanary) << "word after the result written, n=" << n;
            EXPECT_EQ(ca, a);
            EXPECT_EQ(cb, b);
            out.assign(buf.begin() + 1, buf.end() - 1);
            break;
        case Alias::A:
            top = f(ca.data(), ca.data(), cb.data(), n);
            out = ca;
            break;
        case Alias::B:
            top = f(cb.data(), ca.data(), cb.data(), n);
            out = cb;
            break;
        default:
            // a*a with one array for all three
            top = f(ca.data(), ca.data(), ca.data(), n);
            out = ca;
            break;
    }
    return top;
}

std::vector<size_t> sample_lengths() {
    std::vector<size_t> v;
    for (size_t n = 2; n <= 48; ++n) v.push_back(n);
    for (size_t n : {60,  79,  80,  81,  82,  83,  100, 118, 119,  120,  121,  127,  160,  161,  163, 200,
                     239, 240, 241, 242, 255, 321, 361, 481, 500,  641,  719,  720,  721,  1000, 1023, 1441,
                     2047, 2881, 3001})
        v.push_back(n);
    return v;
}

TEST(ArrayMulK, MatchesRoundedGmpProduct) {
    th::Rng rng(101);
    size_t cases = 0;
    for (size_t n : sample_lengths()) {
        const long trials = th::cases(n <= 100 ? 12 : n <= 800 ? 4 : 2);
        for (int t = 0; t < trials; ++t) {
            Words a = random_words(rng, n), b = random_words(rng, n);
            if (t == 1) b = a;  // squaring through two equal arrays
            Alias alias = static_cast<Alias>(t % 4);
            if (alias == Alias::Both) b = a;
            Words want, got;
            uint64_t want_top = ref::ref_mul_rounded(a, b, want);
            uint64_t top = call(widefp_array_mul_k, a, b, alias, got);
            ASSERT_EQ(top, want_top) << "n=" << n << " t=" << t;
            ASSERT_EQ(got, want) << "n=" << n << " t=" << t << "\na=" << th::hex(a) << "\nb=" << th::hex(b);
            ++cases;
        }
    }
    std::printf("Karatsuba product: %zu cases, all correctly rounded\n", cases);
}

// Operands whose high and low halves are equal (zero differences at the
// first level and below) and extreme words.
TEST(ArrayMulK, EqualHalvesAndExtremeWords) {
    th::Rng rng(102);
    for (size_t n : {82, 720, 721, 1440, 1441}) {
        for (int kind = 0; kind < 4; ++kind) {
            Words a(n), b(n);
            if (kind == 0) {  // equal halves all the way down where lengths are even
                Words h = random_words(rng, (n + 1) / 2);
                for (size_t i = 0; i < n; ++i) a[i] = h[i % h.size()];
                b = a;
                std::reverse(b.begin(), b.end());
            } else if (kind == 1) {
                std::fill(a.begin(), a.end(), ~uint64_t{0});
                std::fill(b.begin(), b.end(), ~uint64_t{0});
            } else if (kind == 2) {
                std::fill(a.begin(), a.end(), ~uint64_t{0});
                b = random_words(rng, n);
            } else {
                for (size_t i = 0; i < n; ++i) a[i] = (i < n / 2) ? ~uint64_t{0} : 0;
                for (size_t i = 0; i < n; ++i) b[i] = (i < n / 2) ? 0 : ~uint64_t{0};
            }
            Words want, got;
            uint64_t want_top = ref::ref_mul_rounded(a, b, want);
            uint64_t top = call(widefp_array_mul_k, a, b, Alias::None, got);
            ASSERT_EQ(top, want_top) << "n=" << n << " kind=" << kind;
            ASSERT_EQ(got, want) << "n=" << n << " kind=" << kind;
        }
    }
}

// Ties: a = 2^63 in word 1 (plus 1 in the last word for a sticky tail),
// b with its last word odd: P[n+1] = 2^63 exactly.
TEST(ArrayMulK, TiesRoundToEven) {
    th::Rng rng(103);
    for (size_t n : {3, 5, 40, 41, 720, 721}) {
        for (int kind = 0; kind < 3; ++kind) {
            Words a(n, 0), b = random_words(rng, n);
            a[1] = 0x8000000000000000ULL;
            b[0] = b[1] = 0;
            b[n - 1] = kind == 0 ? 1 : 3;  // P[n] even / odd
            if (kind == 2) {
                b[n - 1] = 1;
                a[n - 1] |= 1;  // adds B's low words below P[n+1]
                b[2] |= 1;
            }
            Words P = ref::ref_exact_product(a, b);
            ASSERT_EQ(P[n + 1], 0x8000000000000000ULL);
            bool tail = std::any_of(P.begin() + n + 2, P.end(), [](uint64_t w) { return w != 0; });
            ASSERT_EQ(tail, kind == 2 && n > 2);
            ASSERT_EQ(P[n] & 1, kind == 1 ? 1u : 0u);
            Words got;
            uint64_t top = call(widefp_array_mul_k, a, b, Alias::None, got);
            Words expect(P.begin() + 1, P.begin() + n + 1);
            if (kind != 0) {  // round up
                size_t j = n;
                while (j > 0 && ++expect[j - 1] == 0) --j;
            }
            EXPECT_EQ(top, P[0]);
            EXPECT_EQ(got, expect) << "n=" << n << " kind=" << kind;
        }
    }
}

// A round-up whose carry runs through every result word into the top word:
// A = 2^(64(n-1)) + 1 and B = (~0, ..., ~0, 0) give P[1..n+1] all ones.
TEST(ArrayMulK, CarryThroughAllWords) {
    for (size_t n : {3, 50, 720, 721}) {
        Words a(n, 0), b(n, ~uint64_t{0});
        a[0] = 1;
        a[n - 1] = 1;
        b[n - 1] = 0;
        Words P = ref::ref_exact_product(a, b);
        for (size_t i = 1; i <= n + 1; ++i) ASSERT_EQ(P[i], ~uint64_t{0}) << i;
        Words got;
        uint64_t top = call(widefp_array_mul_k, a, b, Alias::None, got);
        EXPECT_EQ(top, P[0] + 1);
        EXPECT_EQ(got, Words(n, 0));
    }
}

// A product of 200,000 words takes its scratch from the heap: no stack
// overflow on an 8 MiB stack, and the product is right.
TEST(ArrayMulK, VeryLongOperands) {
    th::Rng rng(107);
    const size_t n = 200000;
    Words a = random_words(rng, n), b = random_words(rng, n);
    for (auto &w : a) w = rng.word();
    Words want, got;
    uint64_t want_top = ref::ref_mul_rounded(a, b, want);
    uint64_t top = call(widefp_array_mul_k, a, b, Alias::A, got);
    EXPECT_EQ(top, want_top);
    EXPECT_TRUE(got == want);
}

TEST(ArrayMulH, MatchesRoundedEstimateAndBound) {
    th::Rng rng(104);
    double worst = 0;
    size_t worst_n = 0, cases = 0;
    mpz_t exact, est, diff;
    mpz_inits(exact, est, diff, nullptr);
    for (size_t n : sample_lengths()) {
        if (n < 3) continue;
        const long trials = th::cases(n <= 100 ? 16 : n <= 800 ? 4 : 2);
        for (int t = 0; t < trials; ++t) {
            Words a = random_words(rng, n), b = random_words(rng, n);
            if (t == 2) {  // all-ones operands maximise the omitted columns
                std::fill(a.begin(), a.end(), ~uint64_t{0});
                std::fill(b.begin(), b.end(), ~uint64_t{0});
            }
            Alias alias = static_cast<Alias>(t % 4);
            if (alias == Alias::Both) b = a;
            Words E = half_estimate(a, b);  // P'[0..n+1]
            // The rounding of P' at P'[n+1], half up.
            Words want(E.begin() + 1, E.begin() + n + 1);
            uint64_t want_top = E[0];
            if (E[n + 1] >= 0x8000000000000000ULL) {
                size_t j = n;
                while (j > 0 && ++want[j - 1] == 0) --j;
                if (j == 0) ++want_top;
            }
            Words got;
            uint64_t top = call(widefp_array_mul_h, a, b, alias, got);
            ASSERT_EQ(top, want_top) << "n=" << n << " t=" << t;
            ASSERT_EQ(got, want) << "n=" << n << " t=" << t;
            // 0 <= P/unit - P' < 2n, unit = the rounding word's last place.
            Words P = ref::ref_exact_product(a, b);
            to_mpz(exact, P.data(), 2 * n);
            mpz_fdiv_q_2exp(exact, exact, 64 * (n - 2));
            to_mpz(est, E.data(), n + 2);
            mpz_sub(diff, exact, est);
            ASSERT_GE(mpz_sgn(diff), 0) << "estimate above the product, n=" << n;
            ASSERT_LT(mpz_cmp_ui(diff, 2 * n), 0) << "estimate short by 2n or more, n=" << n;
            double d = mpz_get_d(diff) / static_cast<double>(n);
            if (d > worst) worst = d, worst_n = n;
            ++cases;
        }
    }
    mpz_clears(exact, est, diff, nullptr);
    std::printf("half product: %zu cases; largest shortfall of P' = %.3f n units (n=%zu), bound 2n\n", cases, worst,
                worst_n);
}

// Every length around the splits of the long half product: the columns go
// by a triangle of n+1 words, split in halves above 120 words, whose square
// part is a Karatsuba product with schoolbook pieces of at most 30 words
// (pieces of 31 split once more, of 30 not), so every piece length near
// those edges turns up in one of these.
TEST(ArrayMulH, EveryLengthAroundTheTriangleSplits) {
    th::Rng rng(106);
    std::vector<size_t> lengths;
    for (size_t n = 114; n <= 134; ++n) lengths.push_back(n);
    for (size_t n = 234; n <= 252; ++n) lengths.push_back(n);
    for (size_t n = 474; n <= 490; n += 2) lengths.push_back(n);
    for (size_t n : lengths) {
        for (int t = 0; t < 2; ++t) {
            Words a = random_words(rng, n), b = random_words(rng, n);
            if (t == 1) {  // all-ones operands: every column at its largest
                std::fill(a.begin(), a.end(), ~uint64_t{0});
                std::fill(b.begin(), b.end(), ~uint64_t{0});
            }
            Words E = half_estimate(a, b);
            Words want(E.begin() + 1, E.begin() + n + 1);
            uint64_t want_top = E[0];
            if (E[n + 1] >= 0x8000000000000000ULL) {
                size_t j = n;
                while (j > 0 && ++want[j - 1] == 0) --j;
                if (j == 0) ++want_top;
            }
            Words got;
            uint64_t top = call(widefp_array_mul_h, a, b, Alias::None, got);
            ASSERT_EQ(top, want_top) << "n=" << n << " t=" << t;
            ASSERT_EQ(got, want) << "n=" << n << " t=" << t;
        }
    }
}

// The rounding word P'[n+1] equals b[n-1] when a = (a0, 1, 0, ..., 0).
TEST(ArrayMulH, RoundingBoundary) {
    th::Rng rng(105);
    for (size_t n : {3, 4, 17, 300, 719}) {
        for (uint64_t g : {0x8000000000000000ULL, 0x7fffffffffffffffULL}) {
            Words a(n, 0), b = random_words(rng, n);
            a[0] = rng.word();
            a[1] = 1;
            b[n - 1] = g;
            Words E = half_estimate(a, b);
            ASSERT_EQ(E[n + 1], g);
            Words got;
            uint64_t top = call(widefp_array_mul_h, a, b, Alias::None, got);
            Words expect(E.begin() + 1, E.begin() + n + 1);
            uint64_t expect_top = E[0];
            if (g == 0x8000000000000000ULL) {
                size_t j = n;
                while (j > 0 && ++expect[j - 1] == 0) --j;
                if (j == 0) ++expect_top;
            }
            EXPECT_EQ(top, expect_top);
            EXPECT_EQ(got, expect) << "n=" << n << " g=" << th::hex(g);
        }
    }
}

// n = 3, a = (1, 0, 1), b = (~0, ~0, 0): P' = (0, ~0, ~0, ~0 | ~0): rounding
// carries through all three words into the top word.
TEST(ArrayMulH, CarryThroughAllWordsN3) {
    Words a{1, 0, 1}, b{~uint64_t{0}, ~uint64_t{0}, 0};
    Words E = half_estimate(a, b);
    ASSERT_EQ(E, (Words{0, ~uint64_t{0}, ~uint64_t{0}, ~uint64_t{0}, ~uint64_t{0}}));
    Words got;
    uint64_t top = call(widefp_array_mul_h, a, b, Alias::None, got);
    EXPECT_EQ(top, 1u);
    EXPECT_EQ(got, (Words{0, 0, 0}));
}

// The dispatch sends 719 words to the half product and 720 to Karatsuba.
// With A all ones, P[n+1] = ~b[1]: b[1] = 0x7fff... puts the exact product
// just above the tie (round up) while the estimate falls below it.
// Squares (both operands the same array) take the symmetric products once:
// the schoolbook pieces, the columns and the triangles of a square.  Against
// GMP at every piece length and around every split, with extreme words.
TEST(ArrayMul, SquaresOfOneArray) {
    th::Rng rng(107);
    std::vector<size_t> lengths;
    for (size_t n = 2; n <= 44; ++n) lengths.push_back(n);
    for (size_t n : {60, 61, 80, 81, 82, 83, 119, 120, 121, 122, 123, 161, 241, 242, 300, 481, 719, 720, 721, 1441})
        lengths.push_back(n);
    for (size_t n : lengths) {
        for (int t = 0; t < 3; ++t) {
            Words a = random_words(rng, n);
            if (t == 1) std::fill(a.begin(), a.end(), ~uint64_t{0});
            if (t == 2) a[n / 2] = 0;  // equal halves nowhere, a zero word in the middle
            Words want, got;
            // Karatsuba: the exact square rounded to nearest even.
            if (n >= 2) {
                uint64_t want_top = ref::ref_mul_rounded(a, a, want);
                uint64_t top = call(widefp_array_mul_k, a, a, Alias::Both, got);
                ASSERT_EQ(top, want_top) << "n=" << n << " t=" << t;
                ASSERT_EQ(got, want) << "n=" << n << " t=" << t;
                Words r(n);
                ASSERT_EQ(widefp_array_mul_k(r.data(), a.data(), a.data(), n), want_top);
                ASSERT_EQ(r, want) << "result apart, n=" << n;
            }
            // Half product: P' of a*a rounded half up.
            if (n >= 3 && n <= 800) {
                Words E = half_estimate(a, a);
                Words hw(E.begin() + 1, E.begin() + n + 1);
                uint64_t hw_top = E[0];
                if (E[n + 1] >= 0x8000000000000000ULL) {
                    size_t j = n;
                    while (j > 0 && ++hw[j - 1] == 0) --j;
                    if (j == 0) ++hw_top;
                }
                uint64_t top = call(widefp_array_mul_h, a, a, Alias::Both, got);
                ASSERT_EQ(top, hw_top) << "n=" << n << " t=" << t;
                ASSERT_EQ(got, hw) << "n=" << n << " t=" << t;
                Words r(n);
                ASSERT_EQ(widefp_array_mul_h(r.data(), a.data(), a.data(), n), hw_top);
                ASSERT_EQ(r, hw) << "result apart, n=" << n;
            }
        }
    }
}

TEST(ArrayMul, DispatchAt720) {
    th::Rng rng(106);
    for (size_t n : {718, 719, 720, 721}) {
        Words a(n, ~uint64_t{0}), b(n);
        for (auto &w : b) w = rng.word();
        b[1] = 0x7fffffffffffffffULL;
        Words h, k, d;
        uint64_t top_h = call(widefp_array_mul_h, a, b, Alias::None, h);
        uint64_t top_k = call(widefp_array_mul_k, a, b, Alias::None, k);
        ASSERT_NE(h, k) << "operands do not separate the two products at n=" << n;
        uint64_t top_d = call(widefp_array_mul, a, b, Alias::None, d);
        EXPECT_EQ(top_d, n <= 719 ? top_h : top_k);
        EXPECT_EQ(d, n <= 719 ? h : k) << "n=" << n;
    }
}

// The product that skips the known-zero leading words of its first operand
// gives the words and top word of widefp_array_mul, on both sides of every
// threshold (short and long half products, the exact product from 720 words
// on), for every count of zero words from 0 to n at short lengths and a
// spread of them at long ones, with operands of random runs and of all ones
// (the largest columns and carries), written to a fresh array or over a or b.
TEST(ArrayMulSkip, SameWordsAsTheFullProduct) {
    th::Rng rng(4711);
    std::vector<size_t> lengths;
    for (size_t n = 3; n <= 60; ++n) lengths.push_back(n);
    for (size_t n = 115; n <= 135; ++n) lengths.push_back(n);
    for (size_t n = 700; n <= 740; n += 3) lengths.push_back(n);
    for (size_t n : {718, 719, 720, 721, 1024}) lengths.push_back(n);
    size_t cases = 0;
    for (size_t n : lengths) {
        std::vector<size_t> zeros;
        if (n <= 60) {
            for (size_t z = 0; z <= n; ++z) zeros.push_back(z);
        } else {
            for (size_t z : {size_t{0}, size_t{1}, size_t{2}, size_t{3}, n / 2, n - 3, n - 2, n - 1, n})
                zeros.push_back(z);
            for (size_t z = 3 * n / 10 - 1; z <= 3 * n / 10 + 2; ++z) zeros.push_back(z);  // 30% of a
            const int extra = n < 200 ? 12 : 3;
            for (int i = 0; i < extra; ++i) zeros.push_back(rng.word() % (n + 1));
        }
        for (size_t z : zeros) {
            const int trials = n < 200 ? 3 : 1;
            for (int t = 0; t < trials + 1; ++t) {
                Words a = random_words(rng, n), b = random_words(rng, n);
                if (t == trials) {  // the largest operands
                    std::fill(a.begin(), a.end(), ~uint64_t{0});
                    std::fill(b.begin(), b.end(), ~uint64_t{0});
                }
                std::fill(a.begin(), a.begin() + z, 0);
                const Alias alias = static_cast<Alias>((t + z) % 3);  // None, A, B
                Words want, got;
                const uint64_t want_top = call(widefp_array_mul, a, b, alias, want);
                const uint64_t got_top = call(
                    [z](uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t m) {
                        return widefp::detail::array_mul_skip(r, x, y, m, z);
                    },
                    a, b, alias, got);
                ASSERT_EQ(got_top, want_top) << "n=" << n << " z=" << z << " t=" << t;
                ASSERT_EQ(got, want) << "n=" << n << " z=" << z << " t=" << t;
                ++cases;
            }
        }
    }
    std::printf("array_mul_skip: %zu products identical to widefp_array_mul\n", cases);
}

}  // namespace
