// wr_mfun -- functions of square widereal matrices, Hessenberg form and
// balancing, each returning new arrays: [R, ...] = wr_mfun(op, mode, p, A, n, n, ...).
//
// A is an n-by-n matrix of precision p in Octave's order (one column of p+1
// words per element, by columns).  The gateway widens it exactly to q = p+2
// words (at most 1023), stores it by rows in scratch of its own, runs the
// library's routine there (every step truncated) and rounds each result
// element once to p words in the mode; results come back by columns as
// (p+1)-by-count uint64 matrices.  Nothing is written into an argument; the
// scratch comes from the heap and is released on every way out.  Infinite
// entries are refused (widefp:domain) before any scratch is taken.
#include <memory>

#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;
using Block = std::unique_ptr<uint64_t[]>;

using namespace wr::rnd::format;

// The operation, its rounding mode, precisions and the square operand.
struct Square {
    const char *name;
    int mode;
    uint64_t p, q, n;
    const uint64_t *A;
};

// (op, mode, p, A, n, n, ...) with nargs arguments in all.
Square square_args(const Call &c, const char *name, int nargs, const char *usage) {
    if (c.count() != nargs) c.args().fail("widefp:nargin", "%s takes %s", c.op(), usage);
    Square a;
    a.name = name;
    a.mode = c.mode();
    a.p = c.precision(2);
    a.q = wr::rnd::wide(a.p);
    const uint64_t m = c.count_arg(4, "m");
    a.n = c.count_arg(5, "n");
    uint64_t count;
    a.A = c.elements(3, a.p, &count, "A");
    if (static_cast<unsigned __int128>(m) * a.n != count)
        c.args().fail("widefp:size", "A holds %llu elements, not m*n = %llu*%llu",
                      static_cast<unsigned long long>(count), static_cast<unsigned long long>(m),
                      static_cast<unsigned long long>(a.n));
    if (m != a.n)
        c.args().fail("widefp:size", "%s: A must be a square matrix (it is %llux%llu)", name,
                      static_cast<unsigned long long>(m), static_cast<unsigned long long>(a.n));
    for (uint64_t k = 0; k < count; ++k)
        if (is_inf(a.A + k * (a.p + 1))) c.args().fail("widefp:domain", "%s: the matrix has infinite entries", name);
    return a;
}

// Scratch of `elements` elements at q words (zeroed) plus `extra` words.
Block scratch(uint64_t elements, uint64_t q, uint64_t extra) {
    const uint64_t w = wr::element_words(elements, q);
    return wr::heap_words(w == UINT64_MAX || extra == UINT64_MAX || w > UINT64_MAX - extra ? UINT64_MAX : w + extra);
}

// A (n-by-n, precision p, by columns) widened to q words, by rows, into M.
void widen_by_rows(uint64_t *M, const Square &a) {
    for (uint64_t j = 0; j < a.n; ++j)
        for (uint64_t i = 0; i < a.n; ++i)
            wr::rnd::widen(M + (i * a.n + j) * (a.q + 1), a.q, a.A + (j * a.n + i) * (a.p + 1), a.p);
}

// M (n-by-n, precision q, by rows) rounded to p in the mode, as result `out`.
void round_matrix(mxArray *plhs[], int out, const uint64_t *M, const Square &a) {
    const uint64_t n = a.n;
    uint64_t *R = wr::rnd::new_result(plhs, out, a.p, n * n);
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < n; ++i)
            widefp_rnd_prec(R + (j * n + i) * (a.p + 1), a.p, M + (i * n + j) * (a.q + 1), a.q, a.mode);
}

// Raises widefp:domain when det(A) < 0: then A has a negative real
// eigenvalue and its square root and logarithm are not real.  M: A at q
// words by rows (copied, not changed).
void refuse_negative_det(const Call &c, const Square &a, const uint64_t *M) {
    const uint64_t w = a.q + 1, words = wr::element_words(a.n * a.n, a.q);
    Block D = scratch(a.n * a.n + 1, a.q, widefp_matrix_det_work_size(a.q));
    std::memcpy(D.get(), M, words * sizeof(uint64_t));
    uint64_t *d = D.get() + words;
    widefp_matrix_det(d, D.get(), a.n, a.q, d + w);
    if (!is_zero(d) && is_neg(d))
        c.args().fail("widefp:domain",
                      "%s: A has a negative real eigenvalue (det (A) < 0), so the result is complex; "
                      "complex widereals are not available yet",
                      a.name);
}

// The library's status after a square root or a logarithm.
void check_status(const Call &c, const Square &a, int status) {
    if (status == 1)
        c.args().fail("widefp:convergence",
                      "%s: the iteration did not converge: A may have eigenvalues on the negative real axis "
                      "(a complex result; complex widereals are not available yet) or be too ill-conditioned",
                      a.name);
    if (status == 2)
        c.args().fail("widefp:domain",
                      "%s: A is singular or has eigenvalues on the negative real axis (the result is complex or "
                      "does not exist; complex widereals are not available yet)",
                      a.name);
}

// "expm", "sqrtm", "logm": one result.
void matfun(const Call &c, mxArray *plhs[], const char *name) {
    const Square a = square_args(c, name, 6, "(op, mode, p, A, n, n)");
    const uint64_t n = a.n, q = a.q, nn = n * n;
    const bool is_exp = name[0] == 'e', is_sqrt = name[0] == 's';
    const uint64_t work_words = is_exp    ? widefp_matrix_expm_work_size(n, q)
                                : is_sqrt ? widefp_matrix_sqrtm_work_size(n, q)
                                          : widefp_matrix_logm_work_size(n, q);
    if (n == 0) {
        wr::rnd::new_result(plhs, 0, a.p, 0);
        return;
    }
    Block M = scratch(2 * nn, q, work_words);
    uint64_t *A = M.get(), *R = A + nn * (q + 1), *work = R + nn * (q + 1);
    widen_by_rows(A, a);
    int status = 0;
    if (is_exp) {
        widefp_matrix_expm(R, A, n, q, work);
    } else {
        refuse_negative_det(c, a, A);
        status = is_sqrt ? widefp_matrix_sqrtm(R, A, n, q, work) : widefp_matrix_logm(R, A, n, q, work);
    }
    check_status(c, a, status);
    round_matrix(plhs, 0, R, a);
}

// [H, P] = Hessenberg form, P only when asked for.
void hess(const Call &c, int nlhs, mxArray *plhs[]) {
    const Square a = square_args(c, "hess", 6, "(op, mode, p, A, n, n)");
    const uint64_t n = a.n, q = a.q, nn = n * n;
    const bool wantp = nlhs > 1;
    Block M = scratch(2 * nn, q, widefp_matrix_hess_work_size(n, q));
    uint64_t *A = M.get(), *P = A + nn * (q + 1), *work = P + nn * (q + 1);
    widen_by_rows(A, a);
    widefp_matrix_hess(A, P, n, wantp, q, work);
    round_matrix(plhs, 0, A, a);
    if (wantp) round_matrix(plhs, 1, P, a);
}

// A flag argument: a real scalar 0 or 1.
bool flag_arg(const Call &c, int i, const char *what) { return c.count_arg(i, what, 0, 1) != 0; }

// [AA, DD, S, perm] = balance: AA = DD \ A * DD, DD = I(:, perm) diag(S),
// every entry exact (powers of two and A's own entries scaled by them).
void balance(const Call &c, int nlhs, mxArray *plhs[]) {
    const Square a = square_args(c, "balance", 8, "(op, mode, p, A, n, n, permute, scale)");
    const bool permute = flag_arg(c, 6, "permute"), scale = flag_arg(c, 7, "scale");
    const uint64_t n = a.n, q = a.q, nn = n * n, w = a.p + 1;
    const uint64_t work_words = widefp_matrix_balance_work_size(n);
    Block M = scratch(nn, q, work_words == UINT64_MAX || n > (UINT64_MAX - work_words) / 2 ? UINT64_MAX
                                                                                         : work_words + 2 * n);
    uint64_t *A = M.get(), *work = A + nn * (q + 1);
    int64_t *d = reinterpret_cast<int64_t *>(work + work_words), *perm = d + n;
    widen_by_rows(A, a);
    widefp_matrix_balance(A, d, perm, n, permute, scale, q, work);
    round_matrix(plhs, 0, A, a);
    if (nlhs <= 1) return;
    uint64_t *DD = wr::rnd::new_result(plhs, 1, a.p, nn);
    for (uint64_t j = 0; j < n; ++j) DD[(j * n + static_cast<uint64_t>(perm[j])) * w] = kBias + static_cast<uint64_t>(d[j]);
    if (nlhs <= 2) return;
    uint64_t *S = wr::rnd::new_result(plhs, 2, a.p, n);
    for (uint64_t j = 0; j < n; ++j) S[j * w] = kBias + static_cast<uint64_t>(d[j]);
    if (nlhs <= 3) return;
    plhs[3] = mxCreateDoubleMatrix(static_cast<mwSize>(n), 1, mxREAL);
    double *pv = mxGetPr(plhs[3]);
    for (uint64_t j = 0; j < n; ++j) pv[j] = static_cast<double>(perm[j]) + 1;
}

}  // namespace

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    const Call c("wr_mfun", nrhs, prhs, 6, 8);
    const char *op = c.op();
    if (std::strcmp(op, "expm") == 0) return matfun(c, plhs, "expm");
    if (std::strcmp(op, "sqrtm") == 0) return matfun(c, plhs, "sqrtm");
    if (std::strcmp(op, "logm") == 0) return matfun(c, plhs, "logm");
    if (std::strcmp(op, "hess") == 0) return hess(c, nlhs, plhs);
    if (std::strcmp(op, "balance") == 0) return balance(c, nlhs, plhs);
    c.unknown_op();
}
