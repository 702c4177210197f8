// complex_lu.cpp -- LU factorisation with partial pivoting and the
// determinant of complex matrices held as separate real and imaginary
// parts.  Right-looking elimination; every operation truncates.
#include <algorithm>

#include "matrix.h"

namespace {

using namespace widefp::linalg;

// The elements of a complex matrix by rows: real parts in R, imaginary
// parts in I, `cols` elements a row, w = p+1 words an element.
struct CMatrix {
    uint64_t *R, *I;
    uint64_t cols, w;
    uint64_t *re(uint64_t i, uint64_t j) const { return R + (i * cols + j) * w; }
    uint64_t *im(uint64_t i, uint64_t j) const { return I + (i * cols + j) * w; }
};

// Scratch of the complex kernels: eight elements from t.
struct Scratch {
    uint64_t *t;
    uint64_t w;
    uint64_t *operator[](int k) const { return t + k * w; }
};

// y = |z|^2 (truncated), through the scratch element s.
void norm2(uint64_t *y, const uint64_t *zr, const uint64_t *zi, uint64_t p, uint64_t *s) {
    widefp_float_mul(y, zr, zr, p);
    widefp_float_mul(s, zi, zi, p);
    widefp_float_add(y, y, s, p);
}

// (yr, yi) = (ar, ai) (br, bi); y may alias neither operand.  s[0..1] scratch.
void cmul(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
          const uint64_t *bi, uint64_t p, const Scratch &s) {
    widefp_float_mul(yr, ar, br, p);
    widefp_float_mul(s[0], ai, bi, p);
    widefp_float_sub(yr, yr, s[0], p);
    widefp_float_mul(yi, ar, bi, p);
    widefp_float_mul(s[1], ai, br, p);
    widefp_float_add(yi, yi, s[1], p);
}

// The pivot of column k: the first row i >= k of strictly largest |a(i,k)|^2;
// best receives that square.
uint64_t pivot_row(const CMatrix &a, uint64_t k, uint64_t m, uint64_t p, uint64_t *best, uint64_t *cand,
                   uint64_t *s) {
    uint64_t q = k;
    norm2(best, a.re(k, k), a.im(k, k), p, s);
    for (uint64_t i = k + 1; i < m; ++i) {
        norm2(cand, a.re(i, k), a.im(i, k), p, s);
        if (widefp_float_lt(best, cand, p)) {
            q = i;
            copy(best, cand, p);
        }
    }
    return q;
}

void exchange_rows(const CMatrix &a, uint64_t q, uint64_t k, uint64_t p) {
    for (uint64_t c = 0; c < a.cols; ++c) {
        swap_elements(a.re(q, c), a.re(k, c), p);
        swap_elements(a.im(q, c), a.im(k, c), p);
    }
}

// Step k of the elimination on rows k+1..m-1 with the nonzero pivot a(k,k)
// of squared modulus d: the multipliers l = a(i,k) conj(a(k,k)) / d replace
// a(i,k), and a(i,c) -= l a(k,c) for c > k.
void eliminate(const CMatrix &a, uint64_t k, uint64_t m, const uint64_t *d, uint64_t p, const Scratch &s) {
    uint64_t *cr = s[2], *ci = s[3], *lr = s[4], *li = s[5], *tr = s[6], *ti = s[7];
    copy(cr, a.re(k, k), p);
    copy(ci, a.im(k, k), p);
    negate(ci);
    for (uint64_t i = k + 1; i < m; ++i) {
        cmul(lr, li, a.re(i, k), a.im(i, k), cr, ci, p, s);
        widefp_float_div(a.re(i, k), lr, d, p);
        widefp_float_div(a.im(i, k), li, d, p);
        for (uint64_t c = k + 1; c < a.cols; ++c) {
            cmul(tr, ti, a.re(i, k), a.im(i, k), a.re(k, c), a.im(k, c), p, s);
            widefp_float_sub(a.re(i, c), a.re(i, c), tr, p);
            widefp_float_sub(a.im(i, c), a.im(i, c), ti, p);
        }
    }
}

// The factorisation shared by both entries; returns the number of row
// exchanges, or UINT64_MAX at the first zero pivot when `stop_at_zero`.
uint64_t factor(const CMatrix &a, int64_t *index, uint64_t m, uint64_t n, uint64_t p, uint64_t *work,
                bool stop_at_zero) {
    const uint64_t w = p + 1;
    const Scratch s{work + 2 * w, w};
    uint64_t *best = work, *cand = work + w;
    uint64_t swaps = 0;
    if (index)
        for (uint64_t i = 0; i < m; ++i) index[i] = static_cast<int64_t>(i);
    const uint64_t steps = std::min(m, n);
    for (uint64_t k = 0; k < steps; ++k) {
        const uint64_t q = pivot_row(a, k, m, p, best, cand, s[0]);
        if (is_zero(best)) {  // no nonzero candidate: nothing to eliminate
            if (stop_at_zero) return UINT64_MAX;
            continue;
        }
        if (q != k) {
            exchange_rows(a, q, k, p);
            if (index) std::swap(index[q], index[k]);
            ++swaps;
        }
        eliminate(a, k, m, best, p, s);
    }
    return swaps;
}

}  // namespace

extern "C" uint64_t widefp_matrix_clu_work_size(uint64_t p) { return words_for(10, p); }

extern "C" void widefp_matrix_clu(uint64_t *Ar, uint64_t *Ai, int64_t *index, uint64_t m, uint64_t n, uint64_t p,
                                  uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && m <= kMaxCount && n <= kMaxCount);
    factor(CMatrix{Ar, Ai, n, p + 1}, index, m, n, p, work, false);
}

extern "C" uint64_t widefp_matrix_cdet_work_size(uint64_t p) { return words_for(12, p); }

// The product of the pivots is formed in the work array and copied to
// (dr, di) at the end, so they may be any elements of A.
extern "C" void widefp_matrix_cdet(uint64_t *dr, uint64_t *di, uint64_t *Ar, uint64_t *Ai, uint64_t n, uint64_t p,
                                   uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    const uint64_t w = p + 1;
    const CMatrix a{Ar, Ai, n, w};
    const uint64_t swaps = factor(a, nullptr, n, n, p, work, true);
    if (swaps == UINT64_MAX) {
        set_zero(dr, p);
        set_zero(di, p);
        return;
    }
    const Scratch s{work + 2 * w, w};
    uint64_t *xr = work + 10 * w, *xi = work + 11 * w;
    set_one(xr, p);
    set_zero(xi, p);
    for (uint64_t k = 0; k < n; ++k) {
        cmul(s[2], s[3], xr, xi, a.re(k, k), a.im(k, k), p, s);
        copy(xr, s[2], p);
        copy(xi, s[3], p);
    }
    if (swaps & 1) {
        negate(xr);
        negate(xi);
    }
    copy(dr, xr, p);
    copy(di, xi, p);
}
