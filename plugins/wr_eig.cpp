// wr_eig -- the symmetric eigenproblem and the Cholesky factorisation of the
// widereal class, each operation returning new arrays:
// [d, V] = wr_eig("eig", mode, p, A, n), [d, V] = wr_eig("eig2", mode, p, A,
// B, n), [R, k] = wr_eig("chol", mode, p, A, n).
//
// Matrices come in Octave's order (one column of p+1 words per element, by
// columns).  The gateway checks them (sizes, finite entries, symmetry where
// asked), widens them exactly to q = p+2 words (at most 1023) by rows into
// scratch of its own, runs the library's routine there and rounds each
// result element once to p words in the mode.  Nothing is written into an
// argument; the scratch comes from the heap and is released on every way out.
#include <memory>

#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;
using Block = std::unique_ptr<uint64_t[]>;
using namespace wr::rnd::format;

// Argument i: an n-by-n matrix of precision p with finite entries (and,
// under `symmetric`, equal to its transpose entry for entry).
const uint64_t *square_arg(const Call &c, const char *fname, int i, const char *what, uint64_t n, uint64_t p,
                           bool symmetric) {
    uint64_t count;
    const uint64_t *A = c.elements(i, p, &count, what);
    if (static_cast<unsigned __int128>(n) * n != count)
        c.args().fail("widefp:size", "%s: %s holds %llu elements, not n*n = %llu*%llu", fname, what,
                      static_cast<unsigned long long>(count), static_cast<unsigned long long>(n),
                      static_cast<unsigned long long>(n));
    const uint64_t w = p + 1;
    for (uint64_t k = 0; k < count; ++k)
        if (is_inf(A + k * w)) c.args().fail("widefp:domain", "%s: %s has infinite entries", fname, what);
    if (symmetric)
        for (uint64_t j = 0; j < n; ++j)
            for (uint64_t i2 = j + 1; i2 < n; ++i2) {
                const uint64_t *x = A + (j * n + i2) * w, *y = A + (i2 * n + j) * w;
                if (widefp_float_lt(x, y, p) || widefp_float_lt(y, x, p))
                    c.args().fail("widefp:nonsymmetric",
                                  "%s: %s is not symmetric; the eigenvalues of a nonsymmetric matrix may be "
                                  "complex, and complex widereals are not available yet",
                                  fname, what);
            }
    return A;
}

// Scratch of `elements` elements at q words (zeroed) plus `extra` words.
Block scratch(uint64_t elements, uint64_t q, uint64_t extra) {
    const uint64_t w = wr::element_words(elements, q);
    return wr::heap_words(w > UINT64_MAX - extra ? UINT64_MAX : w + extra);
}

// X (n-by-n, precision p, by columns) widened to q words into M by rows.
void widen_by_rows(uint64_t *M, const uint64_t *X, uint64_t n, uint64_t p, uint64_t q) {
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < n; ++i) wr::rnd::widen(M + (i * n + j) * (q + 1), q, X + (j * n + i) * (p + 1), p);
}

// The r-by-r leading block of M (n columns, by rows, precision q), rounded
// to p in the mode, as a new result by columns.
void round_block(mxArray *plhs[], int out, const uint64_t *M, uint64_t cols, uint64_t r, uint64_t k, uint64_t q,
                 uint64_t p, int mode) {
    uint64_t *R = wr::rnd::new_result(plhs, out, p, r * k);
    for (uint64_t j = 0; j < k; ++j)
        for (uint64_t i = 0; i < r; ++i)
            widefp_rnd_prec(R + (j * r + i) * (p + 1), p, M + (i * cols + j) * (q + 1), q, mode);
}

// [d, V] = eig(A) or, with B, the pencil (A, B): d the n eigenvalues (a
// column, ascending), V (only when asked for) the eigenvectors by columns.
void eig(const Call &c, int nlhs, mxArray *plhs[], bool pencil) {
    const char *usage = pencil ? "(op, mode, p, A, B, n)" : "(op, mode, p, A, n)";
    if (c.count() != (pencil ? 6 : 5)) c.args().fail("widefp:nargin", "%s takes %s", c.op(), usage);
    const int mode = c.mode();
    const uint64_t p = c.precision(2), q = wr::rnd::wide(p), w = q + 1;
    const uint64_t n = c.count_arg(pencil ? 5 : 4, "n");
    const uint64_t *A = square_arg(c, "eig", 3, "A", n, p, true);
    const uint64_t *B = pencil ? square_arg(c, "eig", 4, "B", n, p, true) : nullptr;
    const bool vectors = nlhs > 1;
    const uint64_t work = pencil ? widefp_matrix_eig_sym_gen_work_size(n, q) : widefp_matrix_eig_sym_work_size(n, q);
    const uint64_t nn = n * n;
    Block M = scratch((pencil ? 2 * nn : nn) + n + (vectors ? nn : 0), q, work);
    uint64_t *a = M.get(), *b = a + nn * w, *d = b + (pencil ? nn * w : 0), *V = d + n * w;
    uint64_t *wk = V + (vectors ? nn * w : 0);
    widen_by_rows(a, A, n, p, q);
    if (pencil) widen_by_rows(b, B, n, p, q);
    const uint64_t bound = widefp_matrix_eig_sym_sweep_bound(q);
    const int status = pencil ? widefp_matrix_eig_sym_gen(d, vectors ? V : nullptr, nullptr, a, b, n, vectors,
                                                          bound, q, wk)
                              : widefp_matrix_eig_sym(d, vectors ? V : nullptr, nullptr, a, n, vectors, bound, q, wk);
    if (status == 2)
        c.args().fail("widefp:notposdef", "eig: B must be symmetric positive definite (its Cholesky factorisation failed)");
    if (status != 0) c.args().fail("widefp:convergence", "eig: no convergence of the QR sweeps for an eigenvalue");
    round_block(plhs, 0, d, 1, n, 1, q, p, mode);
    if (vectors) round_block(plhs, 1, V, n, n, n, q, p, mode);
}

// [R, k]: A = R' R with R upper triangular (only A's upper triangle is
// read); k = 0, or the number (from 1) of the first pivot that is not
// positive, R then the (k-1)-by-(k-1) factor of A's leading block.
void chol(const Call &c, int nlhs, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "chol takes (op, mode, p, A, n)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2), q = wr::rnd::wide(p);
    const uint64_t n = c.count_arg(4, "n");
    const uint64_t *A = square_arg(c, "chol", 3, "A", n, p, false);
    Block M = scratch(n * n, q, widefp_matrix_chol_work_size(q));
    widen_by_rows(M.get(), A, n, p, q);
    const uint64_t k = widefp_matrix_chol(M.get(), n, q, M.get() + n * n * (q + 1));
    const uint64_t r = k ? k - 1 : n;
    if (k)  // the rows of R end at k-1: clear what lies below the diagonal
        for (uint64_t i = 1; i < r; ++i)
            for (uint64_t j = 0; j < i; ++j) std::memset(M.get() + (i * n + j) * (q + 1), 0, (q + 1) * sizeof(uint64_t));
    round_block(plhs, 0, M.get(), n, r, r, q, p, mode);
    if (nlhs > 1) *wr::rnd::new_row(plhs, 1, 1) = static_cast<double>(k);
}

}  // namespace

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    const Call c("wr_eig", nrhs, prhs, 5, 6);
    const char *op = c.op();
    if (std::strcmp(op, "eig") == 0) return eig(c, nlhs, plhs, false);
    if (std::strcmp(op, "eig2") == 0) return eig(c, nlhs, plhs, true);
    if (std::strcmp(op, "chol") == 0) return chol(c, nlhs, plhs);
    c.unknown_op();
}
