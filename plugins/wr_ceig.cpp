// wr_ceig -- the nonsymmetric eigenproblem and the complex matrix operations
// of the widereal class, each returning new arrays:
// [re, im] = wr_ceig("eig", mode, p, A, n),
// [re, im, V] = wr_ceig("eigv", mode, p, A, n) (A real or complex),
// C = wr_ceig("matmul", mode, p, A, B, m, k, n),
// y = wr_ceig("polyval", mode, p, c, x, nc, nx),
// [c, paired] = wr_ceig("poly", mode, p, r, n).
// [Y, perm, L, U] = wr_ceig("clu", mode, p, A, m, n),
// d = wr_ceig("cdet", mode, p, A, n).
//
// Element arrays come in Octave's order, one column per element: p+1 words
// for a real element, 2(p+1) (the real part's words, then the imaginary
// part's) for a complex one; which of the two an argument is follows from
// its word count and its element count.  The gateway widens the operands
// exactly to q = p+2 words (at most 1023), computes there with truncation
// and rounds each result part once to p words in the mode.  Nothing is
// written into an argument; the scratch comes from the heap.
#include <memory>

#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;
using Block = std::unique_ptr<uint64_t[]>;
using namespace wr::rnd::format;

Block scratch(uint64_t elements, uint64_t q, uint64_t extra) {
    const uint64_t w = wr::element_words(elements, q);
    return wr::heap_words(w > UINT64_MAX - extra ? UINT64_MAX : w + extra);
}

// Argument i: `count` elements of precision p, real or complex, finite
// unless `infinite_ok`.  *cplx tells which.
const uint64_t *matrix_arg(const Call &c, const char *fname, int i, const char *what, uint64_t count, uint64_t p,
                           bool *cplx, bool infinite_ok = false) {
    uint64_t have;
    const uint64_t *A = c.elements(i, p, &have, what);
    if (have == count)
        *cplx = false;
    else if (have == 2 * count && count > 0)
        *cplx = true;
    else
        c.args().fail("widefp:size", "%s: %s holds %llu elements of p+1 words, not %llu (real) or %llu (complex)",
                      fname, what, static_cast<unsigned long long>(have), static_cast<unsigned long long>(count),
                      static_cast<unsigned long long>(2 * count));
    if (!infinite_ok)
        for (uint64_t k = 0; k < have; ++k)
            if (is_inf(A + k * (p + 1))) c.args().fail("widefp:domain", "%s: %s has infinite entries", fname, what);
    return A;
}

// Part `part` (0 real, 1 imaginary) of element k of X (precision p, complex
// or not), widened to q; the imaginary part of a real element is +0.
void widen_part(uint64_t *y, uint64_t q, const uint64_t *X, uint64_t k, int part, bool cplx, uint64_t p) {
    if (part == 1 && !cplx) {
        std::memset(y, 0, (q + 1) * sizeof(uint64_t));
        return;
    }
    const uint64_t stride = (cplx ? 2 : 1) * (p + 1);
    wr::rnd::widen(y, q, X + k * stride + part * (p + 1), p);
}

// A new result of n elements, complex or real, (p+1) or 2(p+1) rows.
uint64_t *new_parts(mxArray *plhs[], int out, uint64_t p, uint64_t n, bool cplx) {
    plhs[out] = mxCreateNumericMatrix(static_cast<mwSize>((cplx ? 2 : 1) * (p + 1)), static_cast<mwSize>(n),
                                      mxUINT64_CLASS, mxREAL);
    return static_cast<uint64_t *>(mxGetData(plhs[out]));
}

// re, im: n elements each at q, rounded into a complex result (or a real
// one when `real_only`).
void round_parts(mxArray *plhs[], int out, const uint64_t *re, const uint64_t *im, uint64_t n, uint64_t q,
                 uint64_t p, int mode, bool real_only) {
    uint64_t *R = new_parts(plhs, out, p, n, !real_only);
    const uint64_t s = (real_only ? 1 : 2) * (p + 1);
    for (uint64_t k = 0; k < n; ++k) {
        widefp_rnd_prec(R + k * s, p, re + k * (q + 1), q, mode);
        if (!real_only) widefp_rnd_prec(R + k * s + p + 1, p, im + k * (q + 1), q, mode);
    }
}

// The values re + i im (n elements at q words) rounded into plhs[0] and
// plhs[1] and, when vr is not NULL, the vectors vr + i vi (n-by-n by rows)
// into plhs[2], complex, in Octave's order.
void round_eig(mxArray *plhs[], const uint64_t *re, const uint64_t *im, const uint64_t *vr, const uint64_t *vi,
               uint64_t n, uint64_t p, uint64_t q, int mode) {
    const uint64_t w = q + 1;
    uint64_t *R = wr::rnd::new_result(plhs, 0, p, n), *I = wr::rnd::new_result(plhs, 1, p, n);
    for (uint64_t k = 0; k < n; ++k) {
        widefp_rnd_prec(R + k * (p + 1), p, re + k * w, q, mode);
        widefp_rnd_prec(I + k * (p + 1), p, im + k * w, q, mode);
    }
    if (!vr) return;
    uint64_t *V = new_parts(plhs, 2, p, n * n, true);
    for (uint64_t j = 0; j < n; ++j)  // by columns
        for (uint64_t i = 0; i < n; ++i) {
            uint64_t *o = V + (j * n + i) * 2 * (p + 1);
            widefp_rnd_prec(o, p, vr + (i * n + j) * w, q, mode);
            widefp_rnd_prec(o + p + 1, p, vi + (i * n + j) * w, q, mode);
        }
}

void eig_complex(const Call &c, mxArray *plhs[], const uint64_t *A, uint64_t n, uint64_t p, bool vectors);

// [re, im] = eig(A) for an n-by-n A: when real, the library's balancing,
// Hessenberg reduction and double-shift QR at q words; when complex, its
// single-shift complex QR (eig_complex).
void eig(const Call &c, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "eig takes (op, mode, p, A, n)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021), q = p + 2, w = q + 1;
    const uint64_t n = c.count_arg(4, "n", 0, 1u << 15);
    bool cplx;
    const uint64_t *A = matrix_arg(c, "eig", 3, "A", n * n, p, &cplx);
    if (cplx) return eig_complex(c, plhs, A, n, p, false);
    const uint64_t nn = n * n, work = widefp_matrix_eig_gen_work_size(n, q);
    Block M = scratch(nn + 2 * n, q, work);
    uint64_t *a = M.get(), *re = a + nn * w, *im = re + n * w, *wk = im + n * w;
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < n; ++i) widen_part(a + (i * n + j) * w, q, A, j * n + i, 0, false, p);
    const int status = widefp_matrix_eig_gen(re, im, nullptr, a, n, 1, widefp_matrix_eig_gen_sweep_bound(q), q, wk);
    if (status != 0) c.args().fail("widefp:convergence", "eig: no convergence of the QR sweeps for an eigenvalue");
    round_eig(plhs, re, im, nullptr, nullptr, n, p, q, mode);
}

// [re, im, V] = eigv(A): the values as eig gives them and the vectors from
// the real Schur form (widefp_matrix_eig_gen_vec) or, for a complex A, the
// triangular one; V complex n-by-n.
void eigv(const Call &c, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "eigv takes (op, mode, p, A, n)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021), q = p + 2, w = q + 1;
    const uint64_t n = c.count_arg(4, "n", 0, 1u << 15);
    bool cplx;
    const uint64_t *A = matrix_arg(c, "eigv", 3, "A", n * n, p, &cplx);
    if (cplx) return eig_complex(c, plhs, A, n, p, true);
    const uint64_t nn = n * n, work = widefp_matrix_eig_gen_vec_work_size(n, q);
    Block M = scratch(3 * nn + 2 * n, q, work);
    uint64_t *a = M.get(), *vr = a + nn * w, *vi = vr + nn * w, *re = vi + nn * w, *im = re + n * w, *wk = im + n * w;
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < n; ++i) widen_part(a + (i * n + j) * w, q, A, j * n + i, 0, false, p);
    const int status =
        widefp_matrix_eig_gen_vec(re, im, vr, vi, nullptr, a, n, 1, widefp_matrix_eig_gen_sweep_bound(q), q, wk);
    if (status != 0) c.args().fail("widefp:convergence", "eig: no convergence of the QR sweeps for an eigenvalue");
    round_eig(plhs, re, im, vr, vi, n, p, q, mode);
}

// C = A B, A m-by-k and B k-by-n, either or both complex: the real and
// imaginary parts of C from the four real products at q words (each entry
// accumulated from +0, products and sums truncated), the difference or sum
// truncated at q, then rounded once per part.
void matmul(const Call &c, mxArray *plhs[]) {
    if (c.count() != 8) c.args().fail("widefp:nargin", "matmul takes (op, mode, p, A, B, m, k, n)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021), q = p + 2, w = q + 1;
    const uint64_t m = c.count_arg(5, "m"), k = c.count_arg(6, "k"), n = c.count_arg(7, "n");
    if (static_cast<unsigned __int128>(m) * k > wr::max_count || static_cast<unsigned __int128>(k) * n > wr::max_count ||
        static_cast<unsigned __int128>(m) * n > wr::max_count)
        c.args().fail("widefp:size", "matmul: the matrices hold more than 2^31-1 elements");
    bool ca, cb;
    const uint64_t *A = matrix_arg(c, "matmul", 3, "A", m * k, p, &ca, true);
    const uint64_t *B = matrix_arg(c, "matmul", 4, "B", k * n, p, &cb, true);
    const uint64_t mk = m * k, kn = k * n, mn = m * n;
    const uint64_t work = widefp_matrix_mul_work_size(q);
    Block M = scratch(2 * mk + 2 * kn + 4 * mn, q, work);
    uint64_t *ar = M.get(), *ai = ar + mk * w, *br = ai + mk * w, *bi = br + kn * w;
    uint64_t *c1 = bi + kn * w, *c2 = c1 + mn * w, *c3 = c2 + mn * w, *c4 = c3 + mn * w, *wk = c4 + mn * w;
    for (uint64_t i = 0; i < m; ++i)  // A by rows
        for (uint64_t l = 0; l < k; ++l) {
            widen_part(ar + (i * k + l) * w, q, A, l * m + i, 0, ca, p);
            widen_part(ai + (i * k + l) * w, q, A, l * m + i, 1, ca, p);
        }
    for (uint64_t e = 0; e < kn; ++e) {  // B by columns, as it comes
        widen_part(br + e * w, q, B, e, 0, cb, p);
        widen_part(bi + e * w, q, B, e, 1, cb, p);
    }
    wr::rnd::domain_text() = kZeroTimesInf;
    widefp_matrix_mul(c1, ar, br, m, k, n, q, wk);  // stored by columns
    if (ca && cb) widefp_matrix_mul(c2, ai, bi, m, k, n, q, wk);
    if (cb) widefp_matrix_mul(c3, ar, bi, m, k, n, q, wk);
    if (ca) widefp_matrix_mul(c4, ai, br, m, k, n, q, wk);
    for (uint64_t e = 0; e < mn; ++e) {
        uint64_t *x = c1 + e * w, *y = c2 + e * w, *u = c3 + e * w, *v = c4 + e * w;
        if ((is_inf(x) && is_inf(y) && is_neg(x) == is_neg(y)) || (is_inf(u) && is_inf(v) && is_neg(u) != is_neg(v)))
            c.args().fail("widefp:domain", "%s", kInfMinusInf);
        widefp_float_sub(x, x, y, q);  // zeros where a part is absent
        widefp_float_add(u, u, v, q);
    }
    round_parts(plhs, 0, c1, c3, mn, q, p, mode, !(ca || cb));
}

// y = c(1) x^(n-1) + ... + c(n) at every element of x, c and x real or
// complex: Horner's rule in complex arithmetic at q words (truncated), each
// part rounded once.
void polyval(const Call &c, mxArray *plhs[]) {
    if (c.count() != 7) c.args().fail("widefp:nargin", "polyval takes (op, mode, p, c, x, nc, nx)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021), q = p + 2, w = q + 1;
    const uint64_t nc = c.count_arg(5, "nc"), nx = c.count_arg(6, "nx");
    bool cc, cx;
    const uint64_t *C = matrix_arg(c, "polyval", 3, "c", nc, p, &cc);
    const uint64_t *X = matrix_arg(c, "polyval", 4, "x", nx, p, &cx);
    Block M = scratch(2 * nc + 8, q, 0);
    uint64_t *cr = M.get(), *ci = cr + nc * w, *xr = ci + nc * w, *xi = xr + w, *yr = xi + w, *yi = yr + w;
    uint64_t *t1 = yi + w, *t2 = t1 + w, *t3 = t2 + w, *t4 = t3 + w;
    for (uint64_t e = 0; e < nc; ++e) {
        widen_part(cr + e * w, q, C, e, 0, cc, p);
        widen_part(ci + e * w, q, C, e, 1, cc, p);
    }
    const bool cplx = cc || cx;
    uint64_t *R = new_parts(plhs, 0, p, nx, cplx);
    const uint64_t s = (cplx ? 2 : 1) * (p + 1);
    for (uint64_t e = 0; e < nx; ++e) {
        widen_part(xr, q, X, e, 0, cx, p);
        widen_part(xi, q, X, e, 1, cx, p);
        std::memset(yr, 0, 2 * w * sizeof(uint64_t));
        if (nc) std::memcpy(yr, cr, w * sizeof(uint64_t)), std::memcpy(yi, ci, w * sizeof(uint64_t));
        for (uint64_t j = 1; j < nc; ++j) {
            widefp_float_mul(t1, yr, xr, q);
            widefp_float_mul(t2, yi, xi, q);
            widefp_float_mul(t3, yr, xi, q);
            widefp_float_mul(t4, yi, xr, q);
            widefp_float_sub(t1, t1, t2, q);
            widefp_float_add(t3, t3, t4, q);
            widefp_float_add(yr, t1, cr + j * w, q);
            widefp_float_add(yi, t3, ci + j * w, q);
        }
        widefp_rnd_prec(R + e * s, p, yr, q, mode);
        if (cplx) widefp_rnd_prec(R + e * s + p + 1, p, yi, q, mode);
    }
}

// [c, paired] = poly(r): the coefficients of prod (x - r(j)), highest power
// first, n+1 of them, by the recurrence c(2:j+1) -= r(j) c(1:j) in complex
// arithmetic at q words (truncated), each part rounded once; paired is 1
// when the nonreal roots come in exact conjugate pairs (the coefficients are
// then real: their imaginary parts are returned as zeros).
void poly(const Call &c, int nlhs, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "poly takes (op, mode, p, r, n)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021), q = p + 2, w = q + 1;
    const uint64_t n = c.count_arg(4, "n", 0, wr::max_count - 1);
    bool cr;
    const uint64_t *R = matrix_arg(c, "poly", 3, "r", n, p, &cr);
    Block M = scratch(2 * (n + 1) + 2 * n + 4, q, n);
    uint64_t *yr = M.get(), *yi = yr + (n + 1) * w, *rr = yi + (n + 1) * w, *ri = rr + n * w;
    uint64_t *t1 = ri + n * w, *t2 = t1 + w, *t3 = t2 + w, *t4 = t3 + w, *used = t4 + w;
    for (uint64_t e = 0; e < n; ++e) {
        widen_part(rr + e * w, q, R, e, 0, cr, p);
        widen_part(ri + e * w, q, R, e, 1, cr, p);
    }
    // The pairing, by value.
    auto same = [&](const uint64_t *a, const uint64_t *b) { return !widefp_float_lt(a, b, q) && !widefp_float_lt(b, a, q); };
    bool paired = true;
    for (uint64_t e = 0; e < n && paired; ++e) {
        const uint64_t *im = ri + e * w;
        if (is_zero(im) || is_neg(im)) continue;
        std::memcpy(t1, im, w * sizeof(uint64_t));
        t1[0] ^= kSign;
        bool found = false;
        for (uint64_t f = 0; f < n && !found; ++f)
            if (!used[f] && same(ri + f * w, t1) && same(rr + f * w, rr + e * w)) used[f] = 1, found = true;
        paired = found;
    }
    for (uint64_t e = 0; e < n && paired; ++e)  // every root below the axis matched
        if (!is_zero(ri + e * w) && is_neg(ri + e * w) && !used[e]) paired = false;
    yr[0] = kBias;  // 1
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = j + 1; i >= 1; --i) {  // y(i) -= r(j) y(i-1)
            const uint64_t *ar = rr + j * w, *ai = ri + j * w, *br = yr + (i - 1) * w, *bi = yi + (i - 1) * w;
            widefp_float_mul(t1, ar, br, q);
            widefp_float_mul(t2, ai, bi, q);
            widefp_float_mul(t3, ar, bi, q);
            widefp_float_mul(t4, ai, br, q);
            widefp_float_sub(t1, t1, t2, q);
            widefp_float_add(t3, t3, t4, q);
            widefp_float_sub(yr + i * w, yr + i * w, t1, q);
            widefp_float_sub(yi + i * w, yi + i * w, t3, q);
        }
    if (paired)
        for (uint64_t i = 0; i <= n; ++i) std::memset(yi + i * w, 0, w * sizeof(uint64_t));
    round_parts(plhs, 0, yr, yi, n + 1, q, p, mode, false);
    if (nlhs > 1) *wr::rnd::new_row(plhs, 1, 1) = paired ? 1 : 0;
}

// Widens the m-by-n matrix X (precision p, real or complex, by columns) to
// q words into the two part arrays Ar, Ai by rows.
void widen_by_rows(uint64_t *Ar, uint64_t *Ai, const uint64_t *X, bool cplx, uint64_t m, uint64_t n, uint64_t p,
                   uint64_t q) {
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < m; ++i) {
            widen_part(Ar + (i * n + j) * (q + 1), q, X, j * m + i, 0, cplx, p);
            widen_part(Ai + (i * n + j) * (q + 1), q, X, j * m + i, 1, cplx, p);
        }
}

// [Y, perm, L, U] = lu(A), A m-by-n real or complex: the library's complex
// elimination at q words, each part of Y rounded once; Y holds U and the
// multipliers below its diagonal, perm (m-by-1 double) the original numbers
// (from 1) of the rows in order, P A = L U; L (m-by-k, unit diagonal) and
// U (k-by-n), k = min(m, n), copied from Y when asked for.  All complex.
void clu(const Call &c, int nlhs, mxArray *plhs[]) {
    if (c.count() != 6) c.args().fail("widefp:nargin", "clu takes (op, mode, p, A, m, n)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021), q = p + 2, w = q + 1, s = 2 * (p + 1);
    const uint64_t m = c.count_arg(4, "m"), n = c.count_arg(5, "n");
    if (static_cast<unsigned __int128>(m) * n > wr::max_count)
        c.args().fail("widefp:size", "lu: the matrix holds more than 2^31-1 elements");
    bool cplx;
    const uint64_t *A = matrix_arg(c, "lu", 3, "A", m * n, p, &cplx);
    const uint64_t mn = m * n, k = m < n ? m : n;
    Block M = scratch(2 * mn, q, widefp_matrix_clu_work_size(q));
    auto index = std::unique_ptr<int64_t[]>(new (std::nothrow) int64_t[m ? m : 1]);
    if (!index) widefp_fatal("widefp:memory", "no memory for the row index\n");
    uint64_t *ar = M.get(), *ai = ar + mn * w;
    widen_by_rows(ar, ai, A, cplx, m, n, p, q);
    widefp_matrix_clu(ar, ai, index.get(), m, n, q, ai + mn * w);
    uint64_t *Y = new_parts(plhs, 0, p, mn, true);
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < m; ++i) {
            widefp_rnd_prec(Y + (j * m + i) * s, p, ar + (i * n + j) * w, q, mode);
            widefp_rnd_prec(Y + (j * m + i) * s + p + 1, p, ai + (i * n + j) * w, q, mode);
        }
    if (nlhs > 1) {
        plhs[1] = mxCreateDoubleMatrix(static_cast<mwSize>(m), 1, mxREAL);
        double *perm = mxGetPr(plhs[1]);
        for (uint64_t i = 0; i < m; ++i) perm[i] = static_cast<double>(index[i]) + 1;
    }
    if (nlhs <= 2) return;
    Y = static_cast<uint64_t *>(mxGetData(plhs[0]));
    uint64_t *L = new_parts(plhs, 2, p, m * k, true);
    for (uint64_t j = 0; j < k; ++j)
        for (uint64_t i = j; i < m; ++i) {
            uint64_t *l = L + (j * m + i) * s;
            if (i == j)
                l[0] = kBias;
            else
                std::memcpy(l, Y + (j * m + i) * s, s * sizeof(uint64_t));
        }
    if (nlhs <= 3) return;
    uint64_t *U = new_parts(plhs, 3, p, k * n, true);
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < k && i <= j; ++i)
            std::memcpy(U + (j * k + i) * s, Y + (j * m + i) * s, s * sizeof(uint64_t));
}

// d = det(A), A n-by-n real or complex: the product of the pivots of the
// library's complex elimination at q words, each part rounded once (a
// complex result; 1 for the empty matrix).
void cdet(const Call &c, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "cdet takes (op, mode, p, A, n)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021), q = p + 2, w = q + 1;
    const uint64_t n = c.count_arg(4, "n", 0, 1u << 15);
    bool cplx = false;
    const uint64_t nn = n * n;
    const uint64_t *A = nn ? matrix_arg(c, "det", 3, "A", nn, p, &cplx) : nullptr;
    uint64_t *D = new_parts(plhs, 0, p, 1, true);
    if (n == 0) {
        D[0] = kBias;
        return;
    }
    Block M = scratch(2 * nn, q, widefp_matrix_cdet_work_size(q));
    uint64_t *ar = M.get(), *ai = ar + nn * w;
    widen_by_rows(ar, ai, A, cplx, n, n, p, q);
    widefp_matrix_cdet(ar, ai, ar, ai, n, q, ai + nn * w);  // lands in the first elements
    widefp_rnd_prec(D, p, ar, q, mode);
    widefp_rnd_prec(D + p + 1, p, ai, q, mode);
}

// eig and eigv for a complex A (n > 0): widefp_matrix_eig_cplx at q words,
// balanced, each part of every value and vector entry rounded once.
void eig_complex(const Call &c, mxArray *plhs[], const uint64_t *A, uint64_t n, uint64_t p, bool vectors) {
    const int mode = c.mode();
    const uint64_t q = p + 2, w = q + 1, nn = n * n, work = widefp_matrix_eig_cplx_work_size(n, q);
    Block M = scratch((vectors ? 4 : 2) * nn + 2 * n, q, work);
    uint64_t *ar = M.get(), *ai = ar + nn * w, *re = ai + nn * w, *im = re + n * w, *wk = im + n * w;
    uint64_t *vr = vectors ? wk : nullptr, *vi = vectors ? vr + nn * w : nullptr;
    if (vectors) wk = vi + nn * w;
    widen_by_rows(ar, ai, A, true, n, n, p, q);
    const int status = widefp_matrix_eig_cplx(re, im, vr, vi, nullptr, ar, ai, n, 1,
                                              widefp_matrix_eig_gen_sweep_bound(q), q, wk);
    if (status != 0) c.args().fail("widefp:convergence", "eig: no convergence of the QR sweeps for an eigenvalue");
    round_eig(plhs, re, im, vr, vi, n, p, q, mode);
}

}  // namespace

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    (void)nlhs;
    const Call c("wr_ceig", nrhs, prhs, 5, 8);
    const char *op = c.op();
    if (std::strcmp(op, "eig") == 0) return eig(c, plhs);
    if (std::strcmp(op, "eigv") == 0) return eigv(c, plhs);
    if (std::strcmp(op, "matmul") == 0) return matmul(c, plhs);
    if (std::strcmp(op, "polyval") == 0) return polyval(c, plhs);
    if (std::strcmp(op, "poly") == 0) return poly(c, nlhs, plhs);
    if (std::strcmp(op, "clu") == 0) return clu(c, nlhs, plhs);
    if (std::strcmp(op, "cdet") == 0) return cdet(c, plhs);
    c.unknown_op();
}
