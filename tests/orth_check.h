// orth_check.h -- MPFR matrices for checking the orthogonal factorisations:
// exact copies of widereal matrices, products, residual norms and a one-sided
// Jacobi SVD used as an independent reference for singular values.
#ifndef WIDEFP_TESTS_ORTH_CHECK_H
#define WIDEFP_TESTS_ORTH_CHECK_H

#include <gmp.h>
#include <mpfr.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "harness.h"

namespace oc {

// An r x c matrix of MPFR numbers of one precision.
class MpMat {
public:
    MpMat(size_t r, size_t c, mpfr_prec_t prec) : r_(r), c_(c), prec_(prec), v_(r * c) {
        th::Mp::widen_range();
        for (auto &x : v_) {
            mpfr_init2(x.x, prec);
            mpfr_set_zero(x.x, 1);
        }
    }
    ~MpMat() {
        for (auto &x : v_) mpfr_clear(x.x);
    }
    MpMat(const MpMat &o) : MpMat(o.r_, o.c_, o.prec_) {
        for (size_t i = 0; i < v_.size(); ++i) mpfr_set(v_[i].x, o.v_[i].x, MPFR_RNDN);
    }
    MpMat &operator=(const MpMat &) = delete;

    size_t rows() const { return r_; }
    size_t cols() const { return c_; }
    mpfr_prec_t prec() const { return prec_; }
    mpfr_ptr operator()(size_t i, size_t j) { return v_[i * c_ + j].x; }
    mpfr_srcptr operator()(size_t i, size_t j) const { return v_[i * c_ + j].x; }

private:
    struct Cell {
        mpfr_t x;
    };
    size_t r_, c_;
    mpfr_prec_t prec_;
    std::vector<Cell> v_;
};

// Working precision of the checks: products of two (64p+1)-bit numbers are
// exact, sums carry 128 further bits.
inline mpfr_prec_t check_prec(uint64_t p) { return static_cast<mpfr_prec_t>(128 * p + 256); }

// The r x c matrix stored by rows in an element array of precision p,
// `stride` elements per row (c by default), exactly.
inline MpMat from_words(const uint64_t *base, size_t r, size_t c, uint64_t p, size_t stride = 0) {
    if (!stride) stride = c;
    MpMat m(r, c, check_prec(p));
    for (size_t i = 0; i < r; ++i)
        for (size_t j = 0; j < c; ++j) th::to_mpfr(m(i, j), base + (i * stride + j) * (p + 1), p);
    return m;
}

inline MpMat multiply(const MpMat &a, const MpMat &b) {
    MpMat c(a.rows(), b.cols(), a.prec());
    mpfr_t t;
    mpfr_init2(t, a.prec());
    for (size_t i = 0; i < a.rows(); ++i)
        for (size_t j = 0; j < b.cols(); ++j)
            for (size_t k = 0; k < a.cols(); ++k) {
                mpfr_mul(t, a(i, k), b(k, j), MPFR_RNDN);
                mpfr_add(c(i, j), c(i, j), t, MPFR_RNDN);
            }
    mpfr_clear(t);
    return c;
}

inline MpMat transpose(const MpMat &a) {
    MpMat t(a.cols(), a.rows(), a.prec());
    for (size_t i = 0; i < a.rows(); ++i)
        for (size_t j = 0; j < a.cols(); ++j) mpfr_set(t(j, i), a(i, j), MPFR_RNDN);
    return t;
}

// Frobenius norm of a - b (b may have more rows/columns: only a's shape counts).
inline double frobenius_diff(const MpMat &a, const MpMat &b, mpfr_ptr out) {
    mpfr_t t;
    mpfr_init2(t, a.prec());
    mpfr_set_zero(out, 1);
    for (size_t i = 0; i < a.rows(); ++i)
        for (size_t j = 0; j < a.cols(); ++j) {
            mpfr_sub(t, a(i, j), b(i, j), MPFR_RNDN);
            mpfr_sqr(t, t, MPFR_RNDN);
            mpfr_add(out, out, t, MPFR_RNDN);
        }
    mpfr_sqrt(out, out, MPFR_RNDN);
    mpfr_clear(t);
    return mpfr_get_d(out, MPFR_RNDN);
}

inline void frobenius(const MpMat &a, mpfr_ptr out) {
    MpMat z(a.rows(), a.cols(), a.prec());
    frobenius_diff(a, z, out);
}

// Largest |(a^T a - I)_ij|, over the first k columns of a.
inline void orthogonality(const MpMat &a, size_t k, mpfr_ptr out) {
    mpfr_t t, s;
    mpfr_init2(t, a.prec());
    mpfr_init2(s, a.prec());
    mpfr_set_zero(out, 1);
    for (size_t i = 0; i < k; ++i)
        for (size_t j = 0; j < k; ++j) {
            mpfr_set_si(s, i == j ? -1 : 0, MPFR_RNDN);
            for (size_t r = 0; r < a.rows(); ++r) {
                mpfr_mul(t, a(r, i), a(r, j), MPFR_RNDN);
                mpfr_add(s, s, t, MPFR_RNDN);
            }
            mpfr_abs(s, s, MPFR_RNDN);
            if (mpfr_cmp(s, out) > 0) mpfr_set(out, s, MPFR_RNDN);
        }
    mpfr_clear(t);
    mpfr_clear(s);
}

// x / (scale * 2^-64p) as a double: an error in units of the precision.
inline double in_units(mpfr_srcptr x, mpfr_srcptr scale, uint64_t p) {
    mpfr_t t;
    mpfr_init2(t, 64);
    mpfr_div(t, x, scale, MPFR_RNDN);
    mpfr_mul_2si(t, t, static_cast<long>(64 * p), MPFR_RNDN);
    double d = mpfr_get_d(t, MPFR_RNDN);
    mpfr_clear(t);
    return d;
}

// The Jacobi rotation for zeta = (beta - alpha) / (2 gamma): the tangent
// t = sign(zeta) / (|zeta| + sqrt(1 + zeta^2)), c = 1 / sqrt(1 + t^2),
// s = c t (t and w are scratch).
inline void jacobi_cs(mpfr_ptr c, mpfr_ptr s, mpfr_srcptr zeta, mpfr_ptr t, mpfr_ptr w) {
    mpfr_sqr(t, zeta, MPFR_RNDN);
    mpfr_add_ui(t, t, 1, MPFR_RNDN);
    mpfr_sqrt(t, t, MPFR_RNDN);
    mpfr_abs(w, zeta, MPFR_RNDN);
    mpfr_add(t, t, w, MPFR_RNDN);
    mpfr_ui_div(t, 1, t, MPFR_RNDN);
    if (mpfr_sgn(zeta) < 0) mpfr_neg(t, t, MPFR_RNDN);
    mpfr_sqr(c, t, MPFR_RNDN);
    mpfr_add_ui(c, c, 1, MPFR_RNDN);
    mpfr_rec_sqrt(c, c, MPFR_RNDN);
    mpfr_mul(s, c, t, MPFR_RNDN);
}

// (u, v) <- (c u - s v, s u + c v); x and y are scratch.
inline void rotate_pair(mpfr_ptr u, mpfr_ptr v, mpfr_srcptr c, mpfr_srcptr s, mpfr_ptr x, mpfr_ptr y) {
    mpfr_mul(x, c, u, MPFR_RNDN);
    mpfr_mul(y, s, v, MPFR_RNDN);
    mpfr_sub(x, x, y, MPFR_RNDN);
    mpfr_mul(y, s, u, MPFR_RNDN);
    mpfr_fma(y, c, v, y, MPFR_RNDN);
    mpfr_set(u, x, MPFR_RNDN);
    mpfr_set(v, y, MPFR_RNDN);
}

// Singular values (decreasing, as an n x 1 matrix, n = min(rows, cols)) by
// one-sided Jacobi rotations at the matrix's precision: an algorithm
// independent of the one under test, accurate to about 2^-(prec-20) of the
// largest value.
inline MpMat jacobi_singular_values(const MpMat &a0) {
    MpMat a = a0.rows() >= a0.cols() ? MpMat(a0) : transpose(a0);
    const size_t m = a.rows(), n = a.cols();
    const mpfr_prec_t pr = a.prec();
    mpfr_t al, be, ga, z, t, c, s, x, y, tol;
    mpfr_ptr all[] = {al, be, ga, z, t, c, s, x, y, tol};
    for (mpfr_ptr v : all) mpfr_init2(v, pr);
    for (int sweep = 0; sweep < 100; ++sweep) {
        bool rotated = false;
        for (size_t i = 0; i + 1 < n; ++i)
            for (size_t j = i + 1; j < n; ++j) {
                mpfr_set_zero(al, 1);
                mpfr_set_zero(be, 1);
                mpfr_set_zero(ga, 1);
                for (size_t k = 0; k < m; ++k) {
                    mpfr_fma(al, a(k, i), a(k, i), al, MPFR_RNDN);
                    mpfr_fma(be, a(k, j), a(k, j), be, MPFR_RNDN);
                    mpfr_fma(ga, a(k, i), a(k, j), ga, MPFR_RNDN);
                }
                // rotate unless |gamma| <= 2^-(pr-16) sqrt(alpha beta)
                mpfr_mul(tol, al, be, MPFR_RNDN);
                mpfr_sqrt(tol, tol, MPFR_RNDN);
                mpfr_mul_2si(tol, tol, -(pr - 16), MPFR_RNDN);
                mpfr_abs(t, ga, MPFR_RNDN);
                if (mpfr_zero_p(ga) || mpfr_cmp(t, tol) <= 0) continue;
                rotated = true;
                mpfr_sub(z, be, al, MPFR_RNDN);
                mpfr_div(z, z, ga, MPFR_RNDN);
                mpfr_div_2ui(z, z, 1, MPFR_RNDN);  // zeta
                jacobi_cs(c, s, z, t, x);
                for (size_t k = 0; k < m; ++k) rotate_pair(a(k, i), a(k, j), c, s, x, y);
            }
        if (!rotated) break;
    }
    MpMat norms(n, 1, pr);
    for (size_t j = 0; j < n; ++j) {
        for (size_t k = 0; k < m; ++k) mpfr_fma(norms(j, 0), a(k, j), a(k, j), norms(j, 0), MPFR_RNDN);
        mpfr_sqrt(norms(j, 0), norms(j, 0), MPFR_RNDN);
    }
    std::vector<size_t> order(n);
    for (size_t j = 0; j < n; ++j) order[j] = j;
    std::sort(order.begin(), order.end(),
              [&](size_t u, size_t v) { return mpfr_cmp(norms(u, 0), norms(v, 0)) > 0; });
    MpMat sv(n, 1, pr);
    for (size_t j = 0; j < n; ++j) mpfr_set(sv(j, 0), norms(order[j], 0), MPFR_RNDN);
    for (mpfr_ptr v : all) mpfr_clear(v);
    return sv;
}

}  // namespace oc

#endif  // WIDEFP_TESTS_ORTH_CHECK_H
