// hessenberg.cpp -- reduction of a square matrix to upper Hessenberg form by
// Householder reflections (with the orthogonal factor on request), and
// balancing: permutations that isolate eigenvalues, then a diagonal
// similarity by powers of two that evens out the norms of rows and columns
// (Parlett and Reinsch's iteration with radix 2).  Matrices by rows.
#include <cmath>
#include <utility>

#include "householder.h"

using namespace widefp::linalg;

namespace {

// x *= 2^k, exactly (a zero stays a zero).
void scale_pow2(uint64_t *x, int64_t k) {
    if (is_zero(x) || k == 0) return;
    const uint64_t f = x[0] & kExpBits;
    x[0] = (x[0] & kSignBit) | static_cast<uint64_t>(static_cast<int64_t>(f) + k);
}

double log2_abs(const uint64_t *x) {
    if (is_zero(x)) return -INFINITY;
    const double e = static_cast<double>(static_cast<int64_t>(x[0] & kExpBits) - static_cast<int64_t>(kOne));
    return e + std::log2(1.0 + std::ldexp(static_cast<double>(x[1]), -64));
}

}  // namespace

// ---- Hessenberg form -------------------------------------------------------------
// Work: the reflection vector (n elements), norm, t, s, one, then the square
// root's work.
extern "C" uint64_t widefp_matrix_hess_work_size(uint64_t n, uint64_t p) {
    return n > kMaxCount ? UINT64_MAX : add_words(words_for(n + 4, p), sqrt_words(p));
}

extern "C" void widefp_matrix_hess(uint64_t *A, uint64_t *P, uint64_t n, int pflag, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount && (!pflag || P));
    const uint64_t w = p + 1;
    uint64_t *v = work, *norm = v + n * w, *t = norm + w, *s = t + w, *one = s + w, *sqrt_work = one + w;
    const Matrix a{A, n, w}, pm{P, n, w};
    if (pflag)
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t j = 0; j < n; ++j) {
                if (i == j)
                    set_one(pm(i, j), p);
                else
                    set_zero(pm(i, j), p);
            }
    for (uint64_t k = 0; k + 2 < n; ++k) {
        const uint64_t len = n - k - 1;
        bool below = false;  // anything to annihilate under (k+1, k)?
        for (uint64_t i = 0; i < len; ++i) {
            copy(v + i * w, a(k + 1 + i, k), p);
            if (i > 0 && !is_zero(v + i * w)) below = true;
        }
        if (!below) continue;
        const Vec x = run(v, p);
        house_norm(norm, x, len, p, norm, t, sqrt_work);
        house_vector(x, len, norm, false, p, one);
        // The reflection takes the column to -norm e1.
        copy(a(k + 1, k), norm, p);
        negate(a(k + 1, k));
        for (uint64_t i = k + 2; i < n; ++i) set_zero(a(i, k), p);
        for (uint64_t j = k + 1; j < n; ++j) house_apply(x, column(a, k + 1, j), len, p, s, t);
        for (uint64_t i = 0; i < n; ++i) house_apply(x, Vec{a(i, k + 1), w}, len, p, s, t);
        if (pflag)
            for (uint64_t i = 0; i < n; ++i) house_apply(x, Vec{pm(i, k + 1), w}, len, p, s, t);
    }
}

// ---- balancing ------------------------------------------------------------------------
// Work: c, r, g, s, 0.95 s, acc, t (elements of two words), the square
// root's work, then the record of the exchanges (2n words) and a row index
// (n words).
extern "C" uint64_t widefp_matrix_balance_work_size(uint64_t n) {
    return n > kMaxCount ? UINT64_MAX : 7 * 3 + sqrt_words(2) + 3 * n;
}

namespace {

constexpr uint64_t kN = 2;  // precision of the norms
constexpr uint64_t kW = kN + 1;

// 2-norm, at two words, of the entries x[0..len-1] (spaced `stride` words).
void norm2(uint64_t *out, const uint64_t *x, uint64_t stride, uint64_t len, uint64_t *acc, uint64_t *t,
           uint64_t *sqrt_work) {
    set_zero(acc, kN);
    for (uint64_t i = 0; i < len; ++i) {
        for (uint64_t k = 0; k < kW; ++k) t[k] = x[i * stride + k];  // truncated to two words
        widefp_float_mul(t, t, t, kN);
        widefp_float_add(acc, acc, t, kN);
    }
    widefp_float_sqrt(out, acc, kN, sqrt_work);
}

}  // namespace

extern "C" void widefp_matrix_balance(uint64_t *A, int64_t *d, int64_t *perm, uint64_t n, int permute, int scale,
                                      uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    const uint64_t w = p + 1;
    const Matrix a{A, n, w};
    for (uint64_t i = 0; i < n; ++i) d[i] = 0;
    if (n == 0) return;
    uint64_t *record = work + 7 * 3 + sqrt_words(2), *row = record + 2 * n;
    uint64_t nswaps = 0;  // pairs (m, j) in the order made
    uint64_t k = 0, l = n - 1;
    bool done = false;
    auto exchange = [&](uint64_t j, uint64_t m) {
        record[2 * nswaps] = m;
        record[2 * nswaps + 1] = j;
        ++nswaps;
        if (j == m) return;
        for (uint64_t i = 0; i <= l; ++i) swap_elements(a(i, j), a(i, m), p);
        for (uint64_t c = k; c < n; ++c) swap_elements(a(j, c), a(m, c), p);
    };
    if (permute) {
        // Rows with no off-diagonal entry in columns 0..l go to the bottom.
        bool again = true;
        while (again && !done) {
            again = false;
            for (uint64_t j = l + 1; j-- > 0;) {
                bool isolated = true;
                for (uint64_t i = 0; i <= l && isolated; ++i)
                    if (i != j && !is_zero(a(j, i))) isolated = false;
                if (!isolated) continue;
                exchange(j, l);
                if (l == 0) {
                    done = true;
                } else {
                    --l;
                    again = true;
                }
                break;
            }
        }
        // Columns with no off-diagonal entry in rows k..l go to the left.
        again = !done;
        while (again) {
            again = false;
            for (uint64_t j = k; j <= l; ++j) {
                bool isolated = true;
                for (uint64_t i = k; i <= l && isolated; ++i)
                    if (i != j && !is_zero(a(i, j))) isolated = false;
                if (!isolated) continue;
                exchange(j, k);
                ++k;
                again = true;
                break;
            }
        }
    }
    if (scale && !done) {
        uint64_t *c = work, *r = c + kW, *g = r + kW, *s = g + kW, *f95 = s + kW, *acc = f95 + kW, *t = acc + kW;
        uint64_t *sqrt_work = t + kW;
        const uint64_t len = l - k + 1;
        bool noconv = true;
        while (noconv) {
            noconv = false;
            for (uint64_t i = k; i <= l; ++i) {
                norm2(c, a(k, i), n * w, len, acc, t, sqrt_work);
                norm2(r, a(i, k), w, len, acc, t, sqrt_work);
                if (is_zero(c) || is_zero(r)) continue;
                widefp_float_add(s, c, r, kN);
                int64_t f = 0;
                // Raise c while c < r/2 (each step: c doubled, r halved), in
                // one jump for all but the last few steps.
                const double lc = log2_abs(c), lr = log2_abs(r);
                if (lr - lc > 8) {
                    const int64_t jump = static_cast<int64_t>(std::floor((lr - lc - 1) / 2)) - 2;
                    if (jump > 0) {
                        f += jump;
                        scale_pow2(c, jump);
                        scale_pow2(r, -jump);
                    }
                }
                copy(g, r, kN);
                scale_pow2(g, -1);
                while (widefp_float_lt(c, g, kN)) {
                    ++f;
                    scale_pow2(c, 1);
                    scale_pow2(r, -1);
                    scale_pow2(g, -1);
                }
                // Lower c while c/2 >= r.
                const double lc2 = log2_abs(c), lr2 = log2_abs(r);
                if (lc2 - lr2 > 8) {
                    const int64_t jump = static_cast<int64_t>(std::floor((lc2 - lr2 - 1) / 2)) - 2;
                    if (jump > 0) {
                        f -= jump;
                        scale_pow2(c, -jump);
                        scale_pow2(r, jump);
                    }
                }
                copy(g, c, kN);
                scale_pow2(g, -1);
                while (!widefp_float_lt(g, r, kN)) {
                    --f;
                    scale_pow2(c, -1);
                    scale_pow2(r, 1);
                    scale_pow2(g, -1);
                }
                // Accept when c + r < 0.95 s.
                widefp_float_add(acc, c, r, kN);
                widefp_float_dtowr(f95, 0.95, kN);
                widefp_float_mul(f95, f95, s, kN);
                if (!widefp_float_lt(acc, f95, kN)) continue;
                d[i] += f;
                noconv = true;
                for (uint64_t j = k; j < n; ++j) scale_pow2(a(i, j), -f);
                for (uint64_t j = 0; j <= l; ++j) scale_pow2(a(j, i), f);
            }
        }
    }
    // DD = S_1 S_2 ... S_last diag(2^d): the exchanges applied to the rows of
    // the identity from the last to the first; perm[j] is the row of DD's
    // entry in column j.
    for (uint64_t i = 0; i < n; ++i) row[i] = i;
    for (uint64_t e = nswaps; e-- > 0;) std::swap(row[record[2 * e]], row[record[2 * e + 1]]);
    for (uint64_t i = 0; i < n; ++i) perm[row[i]] = static_cast<int64_t>(i);
}
