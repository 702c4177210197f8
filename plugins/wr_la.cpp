// wr_la -- the linear algebra of the widereal class, each operation returning
// new arrays: [R, ...] = wr_la(op, mode, p, A, m, n, ...).
//
// A is an m-by-n matrix of precision p in Octave's order (one column of p+1
// words per element, by columns).  The gateway widens it exactly to
// q = p+2 words (at most 1023), stores it by rows in scratch of its own,
// runs the library's routine there (every step truncated) and rounds each
// result element once to p words in the mode; results come back by columns
// as (p+1)-by-count uint64 matrices.  Nothing is written into an argument;
// the scratch comes from the heap and is released on every way out.
// Infinite entries are refused (widefp:domain) before any scratch is
// taken: the elimination and the reflections would treat them as finite
// (the norms of types 1 and Inf alone take them).
#include <algorithm>
#include <memory>

#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;
using Block = std::unique_ptr<uint64_t[]>;

using namespace wr::rnd::format;


// The operation, its rounding mode, precisions and the matrix operand.
struct Matrix {
    const char *name;  // the method's name in messages
    int mode;
    uint64_t p, q, m, n;
    const uint64_t *A;
};

// Raises widefp:domain when one of the count elements of X (precision p) is
// infinite; called before any scratch is taken.
void require_finite(const Call &c, const char *name, const uint64_t *X, uint64_t count, uint64_t p) {
    for (uint64_t k = 0; k < count; ++k)
        if (is_inf(X + k * (p + 1))) c.args().fail("widefp:domain", "%s: the matrix has infinite entries", name);
}

// (op, mode, p, A, m, n, ...) with nargs arguments in all.
Matrix matrix_args(const Call &c, const char *name, int nargs, const char *usage) {
    if (c.count() != nargs) c.args().fail("widefp:nargin", "%s takes %s", c.op(), usage);
    Matrix a;
    a.name = name;
    a.mode = c.mode();
    a.p = c.precision(2);
    a.q = wr::rnd::wide(a.p);
    a.m = c.count_arg(4, "m");
    a.n = c.count_arg(5, "n");
    uint64_t count;
    a.A = c.elements(3, a.p, &count, "A");
    if (static_cast<unsigned __int128>(a.m) * a.n != count)
        c.args().fail("widefp:size", "A holds %llu elements, not m*n = %llu*%llu",
                      static_cast<unsigned long long>(count), static_cast<unsigned long long>(a.m),
                      static_cast<unsigned long long>(a.n));
    if (std::strcmp(c.op(), "norm") != 0) require_finite(c, name, a.A, count, a.p);
    return a;
}

void require_square(const Call &c, const Matrix &a) {
    if (a.m != a.n)
        c.args().fail("widefp:size", "%s: A must be square (it is %llux%llu)", a.name,
                      static_cast<unsigned long long>(a.m), static_cast<unsigned long long>(a.n));
}

// Scratch of `elements` elements at q words (zeroed) plus `extra` words.
Block scratch(uint64_t elements, uint64_t q, uint64_t extra = 0) {
    const uint64_t w = wr::element_words(elements, q);
    return wr::heap_words(w > UINT64_MAX - extra ? UINT64_MAX : w + extra);
}

// The sum of the element counts of several blocks, UINT64_MAX when it does
// not fit (the scratch request then fails as too large).
template <size_t N>
uint64_t total(const uint64_t (&sizes)[N]) {
    unsigned __int128 t = 0;
    for (uint64_t s : sizes) t += s;
    return t > UINT64_MAX ? UINT64_MAX : static_cast<uint64_t>(t);
}

// Writes the m-by-n matrix X (precision p, by columns) widened to q words into
// M by rows with `cols` columns, from column `first`: entry (i, j) goes to
// element i cols + first + j (the entries checked finite before).
void widen_by_rows(uint64_t *M, uint64_t cols, uint64_t first, const uint64_t *X, uint64_t m, uint64_t n, uint64_t p,
                   uint64_t q) {
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < m; ++i)
            wr::rnd::widen(M + (i * cols + first + j) * (q + 1), q, X + (j * m + i) * (p + 1), p);
}

// The r-by-k block of M (precision q, by rows, `cols` columns) from (i0, j0),
// each element rounded to p in the mode, as a new result by columns.
void round_block(mxArray *plhs[], int out, const uint64_t *M, uint64_t cols, uint64_t i0, uint64_t j0, uint64_t r,
                 uint64_t k, uint64_t q, uint64_t p, int mode) {
    uint64_t *R = wr::rnd::new_result(plhs, out, p, r * k);
    for (uint64_t j = 0; j < k; ++j)
        for (uint64_t i = 0; i < r; ++i)
            widefp_rnd_prec(R + (j * r + i) * (p + 1), p, M + ((i0 + i) * cols + j0 + j) * (q + 1), q, mode);
}

// How the pivots on the diagonal of the n-by-n left part of M (by rows,
// `cols` columns) stand after an elimination: 2 when one is zero (it was
// divided by), 1 when the smallest lies more than 2^(8-64q) below the
// largest (singular to working precision), 0 otherwise.  Exponent fields only.
double pivot_state(const uint64_t *M, uint64_t cols, uint64_t n, uint64_t q) {
    uint64_t lo = kField, hi = 0;
    for (uint64_t k = 0; k < n; ++k) {
        const uint64_t e = M[(k * cols + k) * (q + 1)] & kField;
        if (e == 0) return 2;
        lo = e < lo ? e : lo;
        hi = e > hi ? e : hi;
    }
    return n > 0 && hi - lo > 64 * q - 8 ? 1 : 0;
}

// The state as the second output; with state 2 every entry of the first is +Inf.
void finish_solution(int nlhs, mxArray *plhs[], double state, uint64_t p) {
    if (state == 2) {
        uint64_t *R = static_cast<uint64_t *>(mxGetData(plhs[0]));
        const uint64_t count = mxGetN(plhs[0]);
        for (uint64_t k = 0; k < count; ++k) {
            std::memset(R + k * (p + 1), 0, (p + 1) * sizeof(uint64_t));
            R[k * (p + 1)] = kField;
        }
    }
    if (nlhs > 1) *wr::rnd::new_row(plhs, 1, 1) = state;
}

// ---- determinant, inverse, solve ---------------------------------------------

// d = det(A); the empty matrix has determinant 1.
void det(const Call &c, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "det", 6, "(op, mode, p, A, n, n)");
    require_square(c, a);
    const uint64_t n = a.n, q = a.q;
    uint64_t *d = wr::rnd::new_result(plhs, 0, a.p, 1);
    if (n == 0) {
        d[0] = kBias;
        return;
    }
    Block M = scratch(n * n, q, widefp_matrix_det_work_size(q));
    widen_by_rows(M.get(), n, 0, a.A, n, n, a.p, q);
    uint64_t *t = M.get();  // the determinant lands in the first element of the matrix
    widefp_matrix_det(t, M.get(), n, q, M.get() + n * n * (q + 1));
    widefp_rnd_prec(d, a.p, t, q, a.mode);
}

// [X, state] = inverse of A by elimination on [A | I].
void inv(const Call &c, int nlhs, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "inverse", 6, "(op, mode, p, A, n, n)");
    require_square(c, a);
    const uint64_t n = a.n, q = a.q;
    Block M = scratch(2 * n * n, q, widefp_matrix_inv_work_size(q));
    widen_by_rows(M.get(), 2 * n, 0, a.A, n, n, a.p, q);
    widefp_matrix_inv(M.get(), n, q, M.get() + 2 * n * n * (q + 1));
    round_block(plhs, 0, M.get(), 2 * n, 0, n, n, n, q, a.p, a.mode);
    finish_solution(nlhs, plhs, pivot_state(M.get(), 2 * n, n, q), a.p);
}

// [X, state] = A \ B for a square A and B n-by-r (both precision p, by columns).
void solve(const Call &c, int nlhs, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "mldivide", 8, "(op, mode, p, A, n, n, B, r)");
    require_square(c, a);
    const uint64_t n = a.n, q = a.q;
    const uint64_t r = c.count_arg(7, "r");
    uint64_t nb;
    const uint64_t *B = c.elements(6, a.p, &nb, "B");
    if (static_cast<unsigned __int128>(n) * r != nb)
        c.args().fail("widefp:size", "B holds %llu elements, not n*r = %llu*%llu", static_cast<unsigned long long>(nb),
                      static_cast<unsigned long long>(n), static_cast<unsigned long long>(r));
    require_finite(c, a.name, B, nb, a.p);
    const uint64_t cols = n + r;
    Block M = scratch(n * cols, q, widefp_matrix_solve_work_size(q));
    widen_by_rows(M.get(), cols, 0, a.A, n, n, a.p, q);
    widen_by_rows(M.get(), cols, n, B, n, r, a.p, q);
    widefp_matrix_solve(M.get(), n, r, q, M.get() + n * cols * (q + 1));
    round_block(plhs, 0, M.get(), cols, 0, n, n, r, q, a.p, a.mode);
    finish_solution(nlhs, plhs, pivot_state(M.get(), cols, n, q), a.p);
}

// [X, rank] = the least-squares solution of A X = B, A m-by-n of any shape
// and B m-by-r, through Householder QR with column pivoting at q words: the
// unique solution for full column rank, otherwise the minimum norm solution
// of the system cut to the numerical rank (the number of diagonal entries
// of R above max(m, n) |R(1,1)| 2^-64p, p the caller's precision).
void lsq(const Call &c, int nlhs, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "mldivide", 8, "(op, mode, p, A, m, n, B, r)");
    const uint64_t m = a.m, n = a.n, q = a.q, w = q + 1;
    const uint64_t r = c.count_arg(7, "r");
    uint64_t nb;
    const uint64_t *B = c.elements(6, a.p, &nb, "B");
    if (static_cast<unsigned __int128>(m) * r != nb)
        c.args().fail("widefp:size", "B holds %llu elements, not m*r = %llu*%llu", static_cast<unsigned long long>(nb),
                      static_cast<unsigned long long>(m), static_cast<unsigned long long>(r));
    require_finite(c, a.name, B, nb, a.p);
    const uint64_t sizes[] = {m * n, m * r, n * r};
    Block block = scratch(total(sizes), q, widefp_matrix_lsq_work_size(m, n, r, q));
    uint64_t *A = block.get(), *Bq = A + sizes[0] * w, *X = Bq + sizes[1] * w, *work = X + sizes[2] * w;
    widen_by_rows(A, n, 0, a.A, m, n, a.p, q);
    widen_by_rows(Bq, r, 0, B, m, r, a.p, q);
    const uint64_t rank = widefp_matrix_lsq(X, A, Bq, m, n, r, 64 * a.p, 1, q, work);
    round_block(plhs, 0, X, r, 0, 0, n, r, q, a.p, a.mode);
    if (nlhs > 1) *wr::rnd::new_row(plhs, 1, 1) = static_cast<double>(rank);
}

// ---- LU ------------------------------------------------------------------------

// [Y, perm, L, U]: Y holds U and the multipliers below its diagonal, perm
// (m-by-1, double) the original numbers (from 1) of the rows in order,
// P A = L U; L (m-by-k, unit diagonal) and U (k-by-n), k = min(m, n), only
// when asked for.
void lu(const Call &c, int nlhs, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "lu", 6, "(op, mode, p, A, m, n)");
    const uint64_t m = a.m, n = a.n, q = a.q, p = a.p, w = p + 1, k = m < n ? m : n;
    const uint64_t work_words = widefp_matrix_lu_work_size(m, q);
    Block M = scratch(m * n, q, work_words);
    auto index = std::unique_ptr<int64_t[]>(new (std::nothrow) int64_t[m ? m : 1]);
    if (!index) widefp_fatal("widefp:memory", "no memory for the row index\n");
    widen_by_rows(M.get(), n, 0, a.A, m, n, p, q);
    widefp_matrix_lu(M.get(), index.get(), m, n, q, M.get() + m * n * (q + 1));
    round_block(plhs, 0, M.get(), n, 0, 0, m, n, q, p, a.mode);
    if (nlhs > 1) {
        plhs[1] = mxCreateDoubleMatrix(static_cast<mwSize>(m), 1, mxREAL);
        double *perm = mxGetPr(plhs[1]);
        for (uint64_t i = 0; i < m; ++i) perm[i] = static_cast<double>(index[i]) + 1;
    }
    if (nlhs <= 2) return;
    const uint64_t *Y = static_cast<const uint64_t *>(mxGetData(plhs[0]));
    uint64_t *L = wr::rnd::new_result(plhs, 2, p, m * k);
    for (uint64_t j = 0; j < k; ++j)
        for (uint64_t i = j; i < m; ++i) {
            uint64_t *l = L + (j * m + i) * w;
            if (i == j)
                l[0] = kBias;
            else
                std::memcpy(l, Y + (j * m + i) * w, w * sizeof(uint64_t));
        }
    if (nlhs <= 3) return;
    uint64_t *U = wr::rnd::new_result(plhs, 3, p, k * n);
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < k && i <= j; ++i)
            std::memcpy(U + (j * k + i) * w, Y + (j * m + i) * w, w * sizeof(uint64_t));
}

// ---- QR --------------------------------------------------------------------------

// [R, Q, perm]: Householder QR, A(:, perm) = Q R, k = min(m, n): the
// economy form (R k-by-n, Q m-by-k) or the full one (R m-by-n, Q m-by-m);
// perm (1-by-n double, the original numbers of the columns from 1) the
// identity unless pivoted.  Q only when asked for.
void qr_factor(int nlhs, mxArray *plhs[], const Matrix &a, bool full, bool pivot) {
    const uint64_t m = a.m, n = a.n, q = a.q, w = q + 1, k = m < n ? m : n, qc = full ? m : k;
    const bool wantq = nlhs > 1;
    const uint64_t sizes[] = {m * n, wantq ? m * qc : 0, qc * n};
    Block M = scratch(total(sizes), q, widefp_matrix_qrp_work_size(m, n, q));
    auto perm = std::unique_ptr<int64_t[]>(new (std::nothrow) int64_t[n ? n : 1]);
    if (!perm) widefp_fatal("widefp:memory", "no memory for the column order\n");
    uint64_t *A = M.get(), *Q = A + sizes[0] * w, *R = Q + sizes[1] * w, *work = R + sizes[2] * w;
    widen_by_rows(A, n, 0, a.A, m, n, a.p, q);
    widefp_matrix_qrp(A, wantq ? Q : nullptr, R, perm.get(), m, n, qc, pivot, q, work);
    round_block(plhs, 0, R, n, 0, 0, qc, n, q, a.p, a.mode);
    if (wantq) round_block(plhs, 1, Q, qc, 0, 0, m, qc, q, a.p, a.mode);
    if (nlhs > 2) {
        double *pv = wr::rnd::new_row(plhs, 2, n);
        for (uint64_t j = 0; j < n; ++j) pv[j] = static_cast<double>(perm[j]) + 1;
    }
}

void qr(const Call &c, int nlhs, mxArray *plhs[], bool full) {
    qr_factor(nlhs, plhs, matrix_args(c, "qr", 6, "(op, mode, p, A, m, n)"), full, false);
}

// "qrp": (op, mode, p, A, m, n, full), pivoted.
void qrp(const Call &c, int nlhs, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "qr", 7, "(op, mode, p, A, m, n, full)");
    const uint64_t full = c.count_arg(6, "full", 0, 1);
    qr_factor(nlhs, plhs, a, full != 0, true);
}

// ---- singular values ----------------------------------------------------------

// The singular values of A at q words (k = min(m, n) of them, decreasing) in
// s, and with `vectors` U (m-by-k) and V (n-by-k), all by rows with k columns
// (s a column).  A wide A is factored transposed.
struct Singular {
    uint64_t k = 0;
    Block block;
    uint64_t *s = nullptr, *U = nullptr, *V = nullptr;
};
Singular singular(const Call &c, const Matrix &a, bool vectors) {
    const uint64_t q = a.q, w = q + 1;
    const bool wide = a.m < a.n;
    const uint64_t mm = wide ? a.n : a.m, nn = wide ? a.m : a.n;  // the matrix factored, mm >= nn
    Singular r;
    r.k = nn;
    if (nn == 0) return r;
    const uint64_t sizes[] = {mm * nn, nn, vectors ? mm * nn : 0, vectors ? nn * nn : 0};
    r.block = scratch(total(sizes), q, widefp_matrix_svd_work_size(mm, nn, q));
    uint64_t *A = r.block.get(), *s = A + sizes[0] * w, *U = s + sizes[1] * w, *V = U + sizes[2] * w;
    uint64_t *work = V + sizes[3] * w;
    if (wide)  // A' by rows: A's own order
        widen_by_rows(A, 1, 0, a.A, a.m * a.n, 1, a.p, q);
    else
        widen_by_rows(A, nn, 0, a.A, mm, nn, a.p, q);
    if (widefp_matrix_svd(s, vectors ? U : nullptr, vectors ? V : nullptr, nullptr, A, mm, nn, vectors, vectors,
                          widefp_matrix_svd_sweep_bound(q), q, work) != 0)
        c.args().fail("widefp:convergence", "%s: no convergence of the QR sweeps for a singular value", a.name);
    r.s = s;
    r.U = wide ? V : U;  // A = V S U' when A' = U S V'
    r.V = wide ? U : V;
    return r;
}

// [s, U, S, V]: s the k singular values (a column), U m-by-k, S k-by-k
// diagonal, V n-by-k, A = U S V' (economy form).
void svd(const Call &c, int nlhs, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "svd", 6, "(op, mode, p, A, m, n)");
    const Singular r = singular(c, a, nlhs > 1);
    const uint64_t k = r.k, p = a.p;
    round_block(plhs, 0, r.s, 1, 0, 0, k, 1, a.q, p, a.mode);
    if (nlhs <= 1) return;
    round_block(plhs, 1, r.U, k, 0, 0, a.m, k, a.q, p, a.mode);
    if (nlhs > 2) {
        uint64_t *S = wr::rnd::new_result(plhs, 2, p, k * k);
        const uint64_t *s = static_cast<const uint64_t *>(mxGetData(plhs[0]));
        for (uint64_t i = 0; i < k; ++i) std::memcpy(S + (i * k + i) * (p + 1), s + i * (p + 1), (p + 1) * sizeof(uint64_t));
    }
    if (nlhs > 3) round_block(plhs, 3, r.V, k, 0, 0, a.n, k, a.q, p, a.mode);
}

// [s, U, S, V], full form: U m-by-m, S m-by-n, V n-by-n.  A wide A is
// factored transposed (A' = U1 S' V1', so U = V1 and V = U1).
void svdfull(const Call &c, int nlhs, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "svd", 6, "(op, mode, p, A, m, n)");
    if (nlhs <= 1) return svd(c, nlhs, plhs);
    const uint64_t q = a.q, w = q + 1, p = a.p;
    const bool wide = a.m < a.n;
    const uint64_t mm = wide ? a.n : a.m, nn = wide ? a.m : a.n, k = nn;
    const uint64_t sizes[] = {mm * nn, nn, mm * mm, nn * nn};
    Block block = scratch(total(sizes), q, widefp_matrix_svd_full_work_size(mm, nn, q));
    uint64_t *A = block.get(), *s = A + sizes[0] * w, *U = s + sizes[1] * w, *V = U + sizes[2] * w;
    uint64_t *work = V + sizes[3] * w;
    if (wide)  // A' by rows: A's own order
        widen_by_rows(A, 1, 0, a.A, a.m * a.n, 1, a.p, q);
    else
        widen_by_rows(A, nn, 0, a.A, mm, nn, a.p, q);
    if (widefp_matrix_svd_full(s, U, V, nullptr, A, mm, nn, 1, 1, widefp_matrix_svd_sweep_bound(q), q, work) != 0)
        c.args().fail("widefp:convergence", "svd: no convergence of the QR sweeps for a singular value");
    round_block(plhs, 0, s, 1, 0, 0, k, 1, q, p, a.mode);
    const uint64_t *Ua = wide ? V : U, *Va = wide ? U : V;  // by rows, m and n columns
    round_block(plhs, 1, Ua, a.m, 0, 0, a.m, a.m, q, p, a.mode);
    if (nlhs > 2) {
        uint64_t *S = wr::rnd::new_result(plhs, 2, p, a.m * a.n);
        const uint64_t *sv = static_cast<const uint64_t *>(mxGetData(plhs[0]));
        for (uint64_t i = 0; i < k; ++i)
            std::memcpy(S + (i * a.m + i) * (p + 1), sv + i * (p + 1), (p + 1) * sizeof(uint64_t));
    }
    if (nlhs > 3) round_block(plhs, 3, Va, a.n, 0, 0, a.n, a.n, q, p, a.mode);
}

// c = the 2-norm condition number s_1 / s_k: Inf when s_k is zero (the zero
// matrix included), 0 for an empty matrix.  The quotient of the values at q
// is rounded in the mode at q, then to p.
void cond(const Call &c, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "cond", 6, "(op, mode, p, A, m, n)");
    const Singular r = singular(c, a, false);
    uint64_t *R = wr::rnd::new_result(plhs, 0, a.p, 1);
    if (r.k == 0) return;
    const uint64_t w = a.q + 1;
    const uint64_t *hi = r.s, *lo = r.s + (r.k - 1) * w;
    if (is_zero(lo)) {
        R[0] = kField;
        return;
    }
    std::vector<uint64_t> t(w);
    widefp_rnd_div(t.data(), hi, lo, a.q, a.mode);
    widefp_rnd_prec(R, a.p, t.data(), a.q, a.mode);
}

// ---- norms ----------------------------------------------------------------------

// n = norm(A, type), type 1 (largest column sum of magnitudes), Inf (largest
// row sum), -Inf (smallest row sum) or 2 (largest singular value); each sum
// accumulated from +0 at q words, each step truncated, and rounded once.  A
// vector passed as m-by-1 gives its 1, Inf and -Inf norms.
void norm(const Call &c, mxArray *plhs[]) {
    const Matrix a = matrix_args(c, "norm", 7, "(op, mode, p, A, m, n, type)");
    const mxArray *t = c.raw(6, "type");
    if (!mxIsDouble(t) || mxIsComplex(t) || mxGetNumberOfElements(t) != 1)
        c.args().fail("widefp:type", "argument 6 (type) must be 1, 2, Inf or -Inf");
    const double type = mxGetScalar(t);
    if (!(type == 1 || type == 2 || type == INFINITY || type == -INFINITY))
        c.args().fail("widefp:range", "argument 6 (type) must be 1, 2, Inf or -Inf");
    uint64_t *R = wr::rnd::new_result(plhs, 0, a.p, 1);
    if (a.m == 0 || a.n == 0) return;
    if (type == 2) {
        require_finite(c, a.name, a.A, a.m * a.n, a.p);
        const Singular r = singular(c, a, false);
        widefp_rnd_prec(R, a.p, r.s, a.q, a.mode);
        return;
    }
    const uint64_t q = a.q, w = q + 1, p = a.p;
    const bool columns = type == 1;
    const uint64_t count = columns ? a.n : a.m, len = columns ? a.m : a.n;
    std::vector<uint64_t> acc(w), term(w), best(w);
    bool first = true;
    for (uint64_t g = 0; g < count; ++g) {
        std::fill(acc.begin(), acc.end(), 0);
        for (uint64_t l = 0; l < len; ++l) {
            const uint64_t *x = a.A + (columns ? g * a.m + l : l * a.m + g) * (p + 1);
            wr::rnd::widen(term.data(), q, x, p);
            term[0] &= kField;
            widefp_rnd_add(acc.data(), acc.data(), term.data(), q, WIDEFP_RNDZ);
        }
        const bool better = type > 0 ? widefp_float_lt(best.data(), acc.data(), q) : widefp_float_lt(acc.data(), best.data(), q);
        if (first || better) best = acc;
        first = false;
    }
    widefp_rnd_prec(R, p, best.data(), q, a.mode);
}

}  // namespace

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    const Call c("wr_la", nrhs, prhs, 6, 8);
    const char *op = c.op();
    if (std::strcmp(op, "det") == 0) return det(c, plhs);
    if (std::strcmp(op, "inv") == 0) return inv(c, nlhs, plhs);
    if (std::strcmp(op, "solve") == 0) return solve(c, nlhs, plhs);
    if (std::strcmp(op, "lsq") == 0) return lsq(c, nlhs, plhs);
    if (std::strcmp(op, "lu") == 0) return lu(c, nlhs, plhs);
    if (std::strcmp(op, "qr") == 0) return qr(c, nlhs, plhs, false);
    if (std::strcmp(op, "qrfull") == 0) return qr(c, nlhs, plhs, true);
    if (std::strcmp(op, "qrp") == 0) return qrp(c, nlhs, plhs);
    if (std::strcmp(op, "svdfull") == 0) return svdfull(c, nlhs, plhs);
    if (std::strcmp(op, "svd") == 0) return svd(c, nlhs, plhs);
    if (std::strcmp(op, "cond") == 0) return cond(c, plhs);
    if (std::strcmp(op, "norm") == 0) return norm(c, plhs);
    c.unknown_op();
}
