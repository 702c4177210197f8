/* widefp_linalg.h -- element loops and linear algebra on arrays of widereal
 * numbers: group sums and products, scaling, dot and matrix products, the
 * rounded product and difference, random elements; LU factorisation,
 * inverse, linear solve, determinant, Householder QR and the singular value
 * decomposition.
 *
 * An element array holds consecutive widereal elements of precision p with a
 * stride of p+1 words.  Matrices of the linear-algebra routines are stored
 * by rows: entry (i, j) of a matrix of c columns is element i*c + j.  Every
 * operation truncates (the guard words are discarded), except the two
 * rounded ones.  Arguments: results first, then operands, then counts with
 * p last, then the work array.  A routine that needs scratch takes it from
 * the caller and has a work-size function (`_itch`, in 64-bit words,
 * UINT64_MAX when the size does not fit) beside it; the contents of the work
 * array on entry do not matter.  Which arrays may share memory is stated per
 * routine; arrays not named there must not overlap.  Counts below 2^31.
 */
#ifndef WIDEFP_LINALG_H
#define WIDEFP_LINALG_H

#include <stdint.h>

/* Exported by the shared library (see widefp.h). */
#if defined(__GNUC__)
#pragma GCC visibility push(default)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- group reductions ---------------------------------------------------
 * R_i = X_{i n} op X_{i n+1} op ... op X_{i n+n-1} for i < count, folded
 * strictly left to right; n = 0 acts as n = 1 (a copy of X_{i n}).  R may
 * start where X starts (each result lands at or before the group it reads).
 * widefp_float_sum_all: r = X_0 + ... + X_{count-1}; count 0 and 1 copy X_0;
 * r may be X_0. */
void widefp_float_sum_groups(uint64_t *R, const uint64_t *X, uint64_t n, uint64_t count, uint64_t p);
void widefp_float_prod_groups(uint64_t *R, const uint64_t *X, uint64_t n, uint64_t count, uint64_t p);
void widefp_float_sum_all(uint64_t *r, const uint64_t *X, uint64_t count, uint64_t p);

/* ---- products -----------------------------------------------------------
 * widefp_float_scale_all: R_i = X_i * s for i < count; R may be X; s must not
 * lie in R_0 .. R_{count-2}.
 * widefp_float_dot: r = sum of x_i * y_i for i < n from +0 upward; x and y
 * may overlap each other.
 * widefp_matrix_mul: C (m x n) = A (m x k, by rows) times B (k x n, by
 * columns), C stored by columns: C(i, j) = element j m + i accumulated from
 * +0 over l = 0 .. k-1; A and B may overlap each other. */
void widefp_float_scale_all(uint64_t *R, const uint64_t *X, const uint64_t *s, uint64_t count, uint64_t p);
/*
 * widefp_float_div_all: R_i = X_i / Y_i (truncated) for i < count; R may be X
 * or Y; a zero or infinite quotient has its fraction words cleared.
 * widefp_float_sqrt_all: R_i = sqrt(X_i) for i < count; R may be X; p >= 2;
 * no X_i below zero (widefp_float_sqrt_all_negative gives the index of the
 * first one, or count); sqrt(-0) = -0.  Work: widefp_float_sqrt_all_itch(p).
 */
void widefp_float_div_all(uint64_t *R, const uint64_t *X, const uint64_t *Y, uint64_t count, uint64_t p);
uint64_t widefp_float_sqrt_all_negative(const uint64_t *X, uint64_t count, uint64_t p);
uint64_t widefp_float_sqrt_all_itch(uint64_t p);
void widefp_float_sqrt_all(uint64_t *R, const uint64_t *X, uint64_t count, uint64_t p, uint64_t *work);
uint64_t widefp_float_dot_itch(uint64_t p);
void widefp_float_dot(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t n, uint64_t p,
                      uint64_t *work);
uint64_t widefp_matrix_mul_itch(uint64_t p);
void widefp_matrix_mul(uint64_t *C, const uint64_t *A, const uint64_t *B, uint64_t m, uint64_t k, uint64_t n,
                       uint64_t p, uint64_t *work);

/* ---- one rounded product or difference (to nearest, ties to even); any
 * argument may alias any other. */
void widefp_float_mul_near(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p);
void widefp_float_sub_near(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p);

/* ---- random elements: for each R_i, fraction words j = 1..p get
 * a 2^32 + b from two calls of gen; a third call r gives d = r/(2^31-1),
 * whose exponent and 52 fraction bits become the element's leading part
 * (the old top 12 bits of word 1 move to its bottom).  2p+1 calls of gen
 * per element. */
void widefp_float_rand(uint64_t *R, uint64_t count, uint64_t p, int (*gen)(void));

/* ---- elimination with partial pivoting ----------------------------------
 * The pivot of column k is the first row from k down of strictly largest
 * magnitude.
 * widefp_matrix_lu: A (m x n) becomes U on and above the diagonal and the
 * multipliers of the unit lower triangular L below it, column by column in
 * Crout's order; index[i] is the original number of the row now in position
 * i, so P A = L U.  Work: widefp_matrix_lu_itch(m, p) words.
 * widefp_matrix_inv: M is n x 2n; the right half becomes the inverse of the
 * left half (which becomes the upper triangular factor).
 * widefp_matrix_solve: M is n x (n+r) = [A | B]; the right r columns become
 * A^-1 B.  A zero pivot is divided by (infinities follow).
 * widefp_matrix_det: d = det(A); A is overwritten; d may lie anywhere in A.
 * A matrix with a column of zero candidates gives d = +0. */
uint64_t widefp_matrix_lu_itch(uint64_t m, uint64_t p);
void widefp_matrix_lu(uint64_t *A, int64_t *index, uint64_t m, uint64_t n, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_inv_itch(uint64_t p);
void widefp_matrix_inv(uint64_t *M, uint64_t n, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_solve_itch(uint64_t p);
void widefp_matrix_solve(uint64_t *M, uint64_t n, uint64_t r, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_det_itch(uint64_t p);
void widefp_matrix_det(uint64_t *d, uint64_t *A, uint64_t n, uint64_t p, uint64_t *work);

/* ---- Householder QR (built for m >= n; p >= 2) ----------------------------
 * A (m x n) is overwritten by the reflection vectors (column k from the
 * diagonal down, first entry in [1, 2]) and R above the diagonal.  With
 * qflag, Q (m x n) is formed; with rflag, R (min(m,n) x n) is written and A
 * keeps the whole vectors, otherwise R's diagonal replaces theirs in A.  Q
 * and R are touched only under their flags. */
uint64_t widefp_matrix_qr_itch(uint64_t n, uint64_t p);
void widefp_matrix_qr(uint64_t *A, uint64_t *Q, uint64_t *R, uint64_t m, uint64_t n, int qflag, int rflag,
                      uint64_t p, uint64_t *work);

/* ---- singular value decomposition (built for m >= n; p >= 2) -------------
 * A (m x n, destroyed) = U diag(s) V^T: s holds min(n, m+1) values,
 * non-negative and decreasing; U (m x min(m,n)) and V (n x n) are written
 * only under their flags (and need no particular contents on entry).
 * Householder bidiagonalisation, implicitly shifted QR sweeps until every
 * superdiagonal entry is below 2^-64p relative to its neighbours.  Returns 0,
 * or 1 when one singular value needed more than max_sweeps sweeps (the arrays
 * then hold an unfinished state; widefp_matrix_svd_sweep_bound(p) is a bound
 * that only a stalled iteration reaches).  sweeps, when not NULL, receives
 * the largest number of sweeps spent on one value and the total.  An empty
 * matrix leaves every array untouched. */
uint64_t widefp_matrix_svd_itch(uint64_t m, uint64_t n, uint64_t p);
uint64_t widefp_matrix_svd_sweep_bound(uint64_t p);
int widefp_matrix_svd(uint64_t *s, uint64_t *U, uint64_t *V, uint64_t *sweeps, uint64_t *A, uint64_t m,
                      uint64_t n, int uflag, int vflag, uint64_t max_sweeps, uint64_t p, uint64_t *work);

#ifdef __cplusplus
}
#endif

#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#endif /* WIDEFP_LINALG_H */
