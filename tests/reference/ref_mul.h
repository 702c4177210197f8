// ref_mul.h -- reference products from GMP: the exact product of two
// arrays, its rounded upper half, and the exact output (words and guard)
// of the truncated widereal product.
#ifndef WIDEFP_TESTS_REF_MUL_H
#define WIDEFP_TESTS_REF_MUL_H

#include <gmp.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "harness.h"

namespace ref {

using th::Words;

// The exact 2n-word product of two n-word arrays (schoolbook, GMP).
inline Words ref_exact_product(const Words &a, const Words &b) {
    const size_t n = a.size();
    std::vector<mp_limb_t> al(a.rbegin(), a.rend()), bl(b.rbegin(), b.rend()), pl(2 * n);
    mpn_mul(pl.data(), al.data(), n, bl.data(), n);
    return Words(pl.rbegin(), pl.rend());
}

// The upper n+1 words of the exact product rounded to nearest, ties to even,
// at the word below: out[0..n-1] and the top word as return value.
inline uint64_t ref_mul_rounded(const Words &a, const Words &b, Words &out) {
    const size_t n = a.size();
    Words P = ref_exact_product(a, b);
    mpz_t z, q, r, half;
    mpz_inits(z, q, r, half, nullptr);
    mpz_import(z, 2 * n, 1, sizeof(uint64_t), 0, 0, P.data());
    const size_t cut = 64 * (n - 1);
    mpz_fdiv_q_2exp(q, z, cut);
    mpz_fdiv_r_2exp(r, z, cut);
    mpz_setbit(half, cut - 1);
    int c = mpz_cmp(r, half);
    if (c > 0 || (c == 0 && mpz_odd_p(q))) mpz_add_ui(q, q, 1);
    Words w(n + 1, 0);
    size_t count = 0;
    std::vector<uint64_t> tmp(n + 2, 0);
    mpz_export(tmp.data(), &count, 1, sizeof(uint64_t), 0, 0, q);
    EXPECT_LE(count, n + 1);
    for (size_t i = 0; i < count; ++i) w[n + 1 - count + i] = tmp[i];
    out.assign(w.begin() + 1, w.end());
    mpz_clears(z, q, r, half, nullptr);
    return w[0];
}

// The truncated product's exact output, computed with GMP: S = the columns
// 0..p-1 of X*Y exactly plus the high halves of column p (in units of S's
// last word), mantissa V = 2^(64(p+1)) + (X+Y)*2^64 + S, normalised, and the
// guard word from the dropped bits plus 2p.
inline uint64_t ref_mul_truncated(const Words &x, const Words &y, uint64_t p, Words &out) {
    std::vector<mp_limb_t> yl(y.rbegin(), y.rend() - 1);  // Y least significant first
    std::vector<mp_limb_t> R(p + 2, 0);
    for (uint64_t i = 0; i < p; ++i) {  // row i: X[i] * Y[0..p-1-i]
        mp_limb_t cy = mpn_addmul_1(R.data(), yl.data() + i, p - i, x[1 + i]);
        mpn_add_1(R.data() + (p - i), R.data() + (p - i), p + 2 - (p - i), cy);
    }
    for (uint64_t i = 1; i < p; ++i) {  // column p, high halves
        unsigned __int128 t = static_cast<unsigned __int128>(x[1 + i]) * y[1 + p - i];
        mpn_add_1(R.data(), R.data(), p + 2, static_cast<mp_limb_t>(t >> 64));
    }
    EXPECT_EQ(R[p + 1], 0u);
    mpz_t V, xy, g;
    mpz_inits(V, xy, g, nullptr);
    mpz_import(V, p + 1, -1, sizeof(uint64_t), 0, 0, R.data());  // S
    mpz_import(xy, p, 1, sizeof(uint64_t), 0, 0, x.data() + 1);
    mpz_mul_2exp(xy, xy, 64);
    mpz_add(V, V, xy);
    mpz_import(xy, p, 1, sizeof(uint64_t), 0, 0, y.data() + 1);
    mpz_mul_2exp(xy, xy, 64);
    mpz_add(V, V, xy);
    mpz_set_ui(xy, 0);
    mpz_setbit(xy, 64 * (p + 1));  // the product of the hidden ones
    mpz_add(V, V, xy);
    const unsigned s = mpz_sizeinbase(V, 2) > 64 * (p + 1) + 1 ? 1 : 0;
    mpz_fdiv_r_2exp(g, V, 64 + s);  // dropped bits: S[p] and, when shifted, one more
    mpz_add_ui(g, g, 2 * p);
    if (s) {
        bool odd = mpz_odd_p(g);
        mpz_fdiv_q_2exp(g, g, 1);
        if (odd) mpz_setbit(g, 0);
    }
    uint64_t guard = mpz_sizeinbase(g, 2) > 64 ? ~uint64_t{0} : mpz_get_ui(g);
    mpz_fdiv_q_2exp(V, V, 64 + s);
    mpz_clrbit(V, 64 * p);
    out.assign(p + 1, 0);
    size_t count = 0;
    std::vector<uint64_t> tmp(p + 1, 0);
    mpz_export(tmp.data(), &count, 1, sizeof(uint64_t), 0, 0, V);
    for (size_t i = 0; i < count; ++i) out[1 + p - count + i] = tmp[i];
    out[0] = ((x[0] ^ y[0]) & th::kSign) | (th::exp_field(x.data()) + th::exp_field(y.data()) + s - th::kBias);
    mpz_clears(V, xy, g, nullptr);
    return guard;
}

}  // namespace ref

#endif
