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
 * the caller and has a work-size function (`_work_size`, in 64-bit words,
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
 * first one, or count); sqrt(-0) = -0.  Work: widefp_float_sqrt_all_work_size(p).
 */
void widefp_float_div_all(uint64_t *R, const uint64_t *X, const uint64_t *Y, uint64_t count, uint64_t p);
uint64_t widefp_float_sqrt_all_negative(const uint64_t *X, uint64_t count, uint64_t p);
uint64_t widefp_float_sqrt_all_work_size(uint64_t p);
void widefp_float_sqrt_all(uint64_t *R, const uint64_t *X, uint64_t count, uint64_t p, uint64_t *work);
uint64_t widefp_float_dot_work_size(uint64_t p);
void widefp_float_dot(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t n, uint64_t p,
                      uint64_t *work);
uint64_t widefp_matrix_mul_work_size(uint64_t p);
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
 * i, so P A = L U.  Work: widefp_matrix_lu_work_size(m, p) words.
 * widefp_matrix_inv: M is n x 2n; the right half becomes the inverse of the
 * left half (which becomes the upper triangular factor).
 * widefp_matrix_solve: M is n x (n+r) = [A | B]; the right r columns become
 * A^-1 B.  A zero pivot is divided by (infinities follow).
 * widefp_matrix_det: d = det(A); A is overwritten; d may lie anywhere in A.
 * A matrix with a column of zero candidates gives d = +0. */
uint64_t widefp_matrix_lu_work_size(uint64_t m, uint64_t p);
void widefp_matrix_lu(uint64_t *A, int64_t *index, uint64_t m, uint64_t n, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_inv_work_size(uint64_t p);
void widefp_matrix_inv(uint64_t *M, uint64_t n, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_solve_work_size(uint64_t p);
void widefp_matrix_solve(uint64_t *M, uint64_t n, uint64_t r, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_det_work_size(uint64_t p);
void widefp_matrix_det(uint64_t *d, uint64_t *A, uint64_t n, uint64_t p, uint64_t *work);

/* ---- complex elimination with partial pivoting ---------------------------
 * A complex m x n matrix is two arrays by rows: real parts Ar, imaginary
 * parts Ai (p+1 words an element).  The pivot of column k is the first row
 * from k down of strictly largest squared modulus (formed truncated).
 * Right-looking elimination; every operation truncates.
 * widefp_matrix_clu: A becomes U on and above the diagonal and the
 * multipliers of the unit lower triangular L below it; index[i] is the
 * original number of the row now in position i, so P A = L U.  A column
 * without a nonzero candidate is left as it stands (its multipliers zero).
 * Work: widefp_matrix_clu_work_size(p) words.
 * widefp_matrix_cdet: (dr, di) = det(A); A is overwritten; dr, di may lie
 * anywhere in A.  A zero pivot gives +0 + 0i.  Work: _cdet_work_size(p). */
uint64_t widefp_matrix_clu_work_size(uint64_t p);
void widefp_matrix_clu(uint64_t *Ar, uint64_t *Ai, int64_t *index, uint64_t m, uint64_t n, uint64_t p,
                       uint64_t *work);
uint64_t widefp_matrix_cdet_work_size(uint64_t p);
void widefp_matrix_cdet(uint64_t *dr, uint64_t *di, uint64_t *Ar, uint64_t *Ai, uint64_t n, uint64_t p,
                        uint64_t *work);

/* ---- Householder QR (built for m >= n; p >= 2) ----------------------------
 * A (m x n) is overwritten by the reflection vectors (column k from the
 * diagonal down, first entry in [1, 2]) and R above the diagonal.  With
 * qflag, Q (m x n) is formed; with rflag, R (min(m,n) x n) is written and A
 * keeps the whole vectors, otherwise R's diagonal replaces theirs in A.  Q
 * and R are touched only under their flags. */
uint64_t widefp_matrix_qr_work_size(uint64_t n, uint64_t p);
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
uint64_t widefp_matrix_svd_work_size(uint64_t m, uint64_t n, uint64_t p);
uint64_t widefp_matrix_svd_sweep_bound(uint64_t p);
int widefp_matrix_svd(uint64_t *s, uint64_t *U, uint64_t *V, uint64_t *sweeps, uint64_t *A, uint64_t m,
                      uint64_t n, int uflag, int vflag, uint64_t max_sweeps, uint64_t p, uint64_t *work);

/* ---- QR with column pivoting; full factors; least squares (p >= 2) --------
 * widefp_matrix_qrp: A (m x n, any shape) P = Q R by Householder
 * reflections, k = min(m, n) of them.  With pivot, step j first brings the
 * column of largest norm over rows j..m-1 (the first of them on a tie; the
 * norms recomputed at each step) into place j; without, P = I.  A column
 * already zero below the diagonal gets no reflection (R keeps its entry and
 * sign); otherwise R's diagonal entry has the opposite sign of the pivot.
 * A is overwritten by the reflection vectors (column j from the diagonal
 * down, first entry in [1, 2], or all zero where there was no reflection)
 * and R above the diagonal.  qcols, k <= qcols <= m, chooses the shape: Q
 * (m x qcols, the first qcols columns of the orthogonal m x m product of
 * the reflections) and R (qcols x n, upper triangular, zero rows below k):
 * qcols = k gives the economy factors, qcols = m the full ones.  Q, R and
 * perm are written only when not NULL; perm[j] is the original number
 * (from 0) of the column now in place j.
 * widefp_matrix_svd_full: as widefp_matrix_svd for m >= n, with U m x m:
 * its first n columns those of the economy U, the others an orthonormal
 * complement (the last m - n columns of the full Q of the economy U).
 * widefp_matrix_lsq: X (n x r) solves min ||A X - B|| column by column, A
 * (m x n, any shape) and B (m x r) destroyed (B's first k rows end as
 * Q^T B).  The rank is the number of leading diagonal entries of the
 * pivoted R above max(m, n) |R(0,0)| 2^-tol_bits (0 for a zero A) and is
 * returned; tol_bits some bits below 64p keeps the factorisation's own
 * rounding of a rank-deficient A under the tolerance.  Full column rank
 * (rank = n): the unique solution, R \ Q^T B permuted back.  Otherwise,
 * with minnorm, the minimum norm solution of
 * R(0:rank-1, :) y = (Q^T B)(0:rank-1, :) (through the QR of that block's
 * transpose): for an A of full row rank, the minimum norm solution of
 * A X = B; without minnorm the basic solution, zero in the n - rank
 * columns that were pivoted last. */
uint64_t widefp_matrix_qrp_work_size(uint64_t m, uint64_t n, uint64_t p);
void widefp_matrix_qrp(uint64_t *A, uint64_t *Q, uint64_t *R, int64_t *perm, uint64_t m, uint64_t n,
                       uint64_t qcols, int pivot, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_svd_full_work_size(uint64_t m, uint64_t n, uint64_t p);
int widefp_matrix_svd_full(uint64_t *s, uint64_t *U, uint64_t *V, uint64_t *sweeps, uint64_t *A, uint64_t m,
                           uint64_t n, int uflag, int vflag, uint64_t max_sweeps, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_lsq_work_size(uint64_t m, uint64_t n, uint64_t r, uint64_t p);
uint64_t widefp_matrix_lsq(uint64_t *X, uint64_t *A, uint64_t *B, uint64_t m, uint64_t n, uint64_t r,
                           uint64_t tol_bits, int minnorm, uint64_t p, uint64_t *work);

/* ---- Cholesky factorisation; the symmetric eigenproblem (p >= 2) ---------
 * Inner products are accumulated at p+1 words and truncated once.
 * widefp_matrix_chol: A (n x n, by rows; only its upper triangle is read)
 * = R^T R, R upper triangular with a positive diagonal.  Returns 0 with R
 * in A's upper triangle and zeros below it, or k >= 1 when the k-th pivot
 * (counted from 1) is zero or negative: rows 0..k-2 of A's upper triangle
 * then hold those rows of R (its leading (k-1) x (k-1) block is the factor
 * of A's leading block of that order) and the rest of A is unspecified.
 * widefp_matrix_eig_sym: the eigenvalues d (n of them, ascending) of the
 * symmetric A (n x n by rows; only its lower triangle and diagonal are
 * read; destroyed) and, under vflag, V (n x n by rows, contents on entry
 * irrelevant) whose column j is a unit eigenvector for d[j], the entry of
 * largest magnitude (the first of them) non-negative.  Householder
 * tridiagonalisation, implicitly shifted QR sweeps (Wilkinson's shift)
 * until every off-diagonal entry is below 2^-64p of its two diagonal
 * neighbours.  Returns 0, or 1 when one eigenvalue needed more than
 * max_sweeps sweeps (widefp_matrix_eig_sym_sweep_bound(p) is a bound only a
 * stalled iteration reaches; the arrays then hold an unfinished state).
 * sweeps, when not NULL, receives the largest number of sweeps spent on one
 * value and the total.  n = 0 leaves every array untouched.
 * widefp_matrix_eig_sym_gen: A x = lambda B x for a symmetric A and a
 * symmetric positive definite B (upper triangle read, destroyed: it ends
 * as the Cholesky factor R), through C = R^-T A R^-1 (its lower triangle
 * used); the eigenvectors x = R^-1 y are B-orthonormal (V^T B V = I), each
 * with its entry of largest magnitude non-negative.  Returns as
 * widefp_matrix_eig_sym, or 2 when the factorisation of B fails. */
uint64_t widefp_matrix_chol_work_size(uint64_t p);
uint64_t widefp_matrix_chol(uint64_t *A, uint64_t n, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_eig_sym_work_size(uint64_t n, uint64_t p);
uint64_t widefp_matrix_eig_sym_sweep_bound(uint64_t p);
int widefp_matrix_eig_sym(uint64_t *d, uint64_t *V, uint64_t *sweeps, uint64_t *A, uint64_t n, int vflag,
                          uint64_t max_sweeps, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_eig_sym_gen_work_size(uint64_t n, uint64_t p);
int widefp_matrix_eig_sym_gen(uint64_t *d, uint64_t *V, uint64_t *sweeps, uint64_t *A, uint64_t *B, uint64_t n,
                              int vflag, uint64_t max_sweeps, uint64_t p, uint64_t *work);

/* ---- functions of square matrices (n x n by rows; p >= 2) -----------------
 * Every step truncates at p words; u = 2^-64p, b = 64p + 1.  A and the
 * result must not overlap; the work array is the routine's own.
 * widefp_matrix_expm: E = e^A by scaling and squaring: X = A / 2^s, exactly,
 * then the Taylor polynomial T_m(X) = sum X^k / k!, k <= m (Paterson and
 * Stockmeyer's scheme in blocks of at most 16 terms), squared s times.  s
 * and m give the fewest matrix products subject to theta = ||A||_1 / 2^s in
 * [2^-24, 1] (for ||A||_1 >= 1) and e (3/2) theta^(m+1) / (m+1)! <=
 * 2^-(b+s+2), so that T_m(X) = e^X (I + F), ||F||_1 <= 2^-(b+s+2), and the
 * squarings give e^A (I + G), ||G||_1 <= 2^-(b+1): the truncation of the
 * series adds at most 2^-(b+1) ||e^A||_1.  Rounding: the polynomial's
 * relative error, about (2 sqrt(m) + 3) n u, is doubled by each squaring,
 * which adds n u of its own: about 2^s (2 sqrt(m) + 4) n u ||e^A||_1 in all,
 * with 2^s <= 2^25 max(1, ||A||_1), when the powers e^(A/2^j) have no hump
 * (normal matrices, matrices with entries of one sign); more otherwise.
 * widefp_matrix_sqrtm: S = the principal square root of A, for A with no
 * eigenvalue on the closed negative real axis: the product form of the
 * Denman-Beavers iteration, M_0 = Y_0 = A, Y_(k+1) = Y_k (I + M_k^-1) / 2,
 * M_(k+1) = I/2 + (M_k + M_k^-1) / 4 (Y_k^2 = A M_k throughout), scaled by
 * powers of two near |det M_k|^(-1/2n) while ||M_k - I||_1 > 2^-8 (exact).
 * It stops after the step from ||M_k - I||_1 <= 2^-(b/2+1), leaving
 * ||M - I||_1 below about 2^-(b+4): S = A^(1/2) (I + E), ||E||_1 <= 2^-(b+4)
 * from the iteration, plus rounding errors of about n u kappa(S) per step.
 * Returns 0, 1 when 100 steps do not reach that point (a negative real
 * eigenvalue, or a condition number near 2^(b/2)), or 2 when an iterate is
 * singular to working precision (a zero pivot: A singular, or eigenvalues
 * of A on the negative real axis).  The zero matrix gives 0.
 * widefp_matrix_logm: L = the principal logarithm of A (no eigenvalue on the
 * closed negative real axis): inverse scaling and squaring.  B = A^(1/2^k)
 * by k square roots as above, until ||B - I||_1 <= 1/2 and as long as a root
 * costs fewer products than it saves; X = B - I, Z = (2I + X)^-1 X by
 * elimination, log B = 2 atanh Z = 2 sum Z^(2j+1) / (2j+1), j <= K, with K
 * chosen so that the tail is below 2^-(b+2) (2 ||Z||_1); L = 2^k log B.
 * Status as for the square root (1 also when 64 roots do not bring B within
 * 1/2 of I).  The rounding errors of the roots are magnified by up to 2^k
 * relative to ||L||; the identity gives the zero matrix.
 * Work: widefp_matrix_expm_work_size(n, p), _sqrtm_work_size(n, p), _logm_work_size(n, p). */
uint64_t widefp_matrix_expm_work_size(uint64_t n, uint64_t p);
void widefp_matrix_expm(uint64_t *E, const uint64_t *A, uint64_t n, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_sqrtm_work_size(uint64_t n, uint64_t p);
int widefp_matrix_sqrtm(uint64_t *S, const uint64_t *A, uint64_t n, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_logm_work_size(uint64_t n, uint64_t p);
int widefp_matrix_logm(uint64_t *L, const uint64_t *A, uint64_t n, uint64_t p, uint64_t *work);

/* ---- Hessenberg form and balancing (n x n by rows; p >= 2) ----------------
 * widefp_matrix_hess: A becomes H = P^T A P, upper Hessenberg, by Householder
 * reflections of columns 0..n-3 (a column with nothing to annihilate below
 * its subdiagonal is left as it is); with pflag P (orthogonal, first row and
 * column those of I) is formed.  Each reflection moves the entries it
 * touches by about 6n u of the norm of their row or column; P is orthogonal
 * and A - P H P^T is small to about 6 n^2 u ||A||_F.
 * widefp_matrix_balance: A becomes AA = DD^-1 A DD, exactly, with DD = Pi D,
 * Pi a permutation and D = diag(2^d[j]).  With permute, rows and columns
 * that isolate an eigenvalue are moved to the bottom and the left first;
 * with scale, the remaining block is scaled by powers of two until no
 * scaling reduces c + r below 0.95 of its value (c, r the 2-norms of a
 * column and its row within the block, at two words).  perm[j] (from 0) is
 * the row of DD's entry in column j: DD = I(:, perm) diag(2^d) in Octave's
 * terms.  Work: widefp_matrix_hess_work_size(n, p), widefp_matrix_balance_work_size(n). */
uint64_t widefp_matrix_hess_work_size(uint64_t n, uint64_t p);
void widefp_matrix_hess(uint64_t *A, uint64_t *P, uint64_t n, int pflag, uint64_t p, uint64_t *work);
uint64_t widefp_matrix_balance_work_size(uint64_t n);
void widefp_matrix_balance(uint64_t *A, int64_t *d, int64_t *perm, uint64_t n, int permute, int scale,
                           uint64_t p, uint64_t *work);

/* ---- the real nonsymmetric eigenproblem (n x n by rows; p >= 2) ----------
 * widefp_matrix_eig_gen: the n eigenvalues re[j] + i im[j] of A (destroyed).
 * With balance, A is first balanced as widefp_matrix_balance does with
 * permutations and scaling (exact); then reduced to Hessenberg form
 * (widefp_matrix_hess) and Francis's implicit double-shift QR sweeps run on
 * the active block until a subdiagonal entry is below 2^-64p of its two
 * diagonal neighbours (an exceptional shift every tenth sweep).  The values
 * come in the order of the diagonal of the quasi-triangular Schur form, top
 * to bottom; a complex conjugate pair takes two consecutive places, the
 * positive imaginary part first, and its two members are exact conjugates.
 * Returns 0, or 1 when one eigenvalue needed more than max_sweeps sweeps
 * (widefp_matrix_eig_gen_sweep_bound(p) = 50 + 48p is a bound that only a
 * stalled iteration reaches: a simple eigenvalue takes about a dozen, a
 * defective one, whose convergence is linear, about 0.4 per bit of
 * precision; re and im are then incomplete).  sweeps, when not
 * NULL, receives the largest number of sweeps spent on one value and the
 * total.  Every step truncates: for a well-conditioned eigenvalue the error
 * is a modest multiple of n^2 2^-64p ||A||_F divided by its condition
 * number's reciprocal; a defective eigenvalue of a Jordan block of order k
 * moves by about (2^-64p)^(1/k).  Work: widefp_matrix_eig_gen_work_size(n, p). */
uint64_t widefp_matrix_eig_gen_work_size(uint64_t n, uint64_t p);
uint64_t widefp_matrix_eig_gen_sweep_bound(uint64_t p);
int widefp_matrix_eig_gen(uint64_t *re, uint64_t *im, uint64_t *sweeps, uint64_t *A, uint64_t n, int balance,
                          uint64_t max_sweeps, uint64_t p, uint64_t *work);
/* widefp_matrix_eig_gen_vec: as widefp_matrix_eig_gen, and the eigenvectors:
 * column k of (Vr + i Vi) (n x n by rows) for eigenvalue k, from the real
 * Schur form A = Z T Z^T (the transformations accumulated), back
 * substitution on the quasi-triangular T and the balancing undone; each
 * of unit 2-norm with its entry of largest magnitude real and positive
 * (the first), a conjugate pair's vectors exact conjugates.
 * Work: widefp_matrix_eig_gen_vec_work_size(n, p). */
uint64_t widefp_matrix_eig_gen_vec_work_size(uint64_t n, uint64_t p);
int widefp_matrix_eig_gen_vec(uint64_t *re, uint64_t *im, uint64_t *Vr, uint64_t *Vi, uint64_t *sweeps, uint64_t *A,
                              uint64_t n, int balance, uint64_t max_sweeps, uint64_t p, uint64_t *work);

/* ---- the general complex eigenproblem (n x n by rows; p >= 2) -----------
 * widefp_matrix_eig_cplx: the n eigenvalues re[j] + i im[j] of the complex
 * A = Ar + i Ai (both destroyed) and, when Vr and Vi are not NULL, the
 * eigenvectors: column k of Vr + i Vi (n x n by rows) for eigenvalue k.
 * With balance, A is first balanced exactly by the permutations and powers
 * of two that widefp_matrix_balance finds for the matrix of moduli; then
 * Householder reflections reduce it to upper Hessenberg form and implicit
 * single-shift QR sweeps by complex rotations (Wilkinson's shift, an
 * exceptional shift every tenth sweep without deflation) reduce it to the
 * triangular Schur form A = Z T Z^H, deflating where |h(k,k-1)| <=
 * 2^-64p (|h(k,k)| + |h(k-1,k-1)|), moduli taken as |re| + |im|.  The
 * values come in the order of T's diagonal, top to bottom.  The vectors come
 * from back substitution on T (a zero divisor replaced by 2^-64p ||T||),
 * the back-transformation by Z and the balancing undone, each of unit
 * 2-norm with its entry of largest modulus (the first) real and positive.
 * Returns 0, or 1 when one eigenvalue needed more than max_sweeps sweeps
 * (widefp_matrix_eig_gen_sweep_bound(p) serves here too; re, im and the
 * vectors are then incomplete); sweeps, when not NULL, receives the largest
 * number of sweeps spent on one value and the total.  Every step
 * truncates: the computed T is the exact Schur form of A + E with ||E||_F
 * a modest multiple of n^2 2^-64p ||A||_F, so a simple eigenvalue errs by
 * about that divided by its condition number's reciprocal, and one of a
 * Jordan block of order k by about (2^-64p)^(1/k).  A real A gives the
 * eigenvalues of widefp_matrix_eig_gen to within these bounds.
 * Work: widefp_matrix_eig_cplx_work_size(n, p). */
uint64_t widefp_matrix_eig_cplx_work_size(uint64_t n, uint64_t p);
int widefp_matrix_eig_cplx(uint64_t *re, uint64_t *im, uint64_t *Vr, uint64_t *Vi, uint64_t *sweeps, uint64_t *Ar,
                           uint64_t *Ai, uint64_t n, int balance, uint64_t max_sweeps, uint64_t p, uint64_t *work);

#ifdef __cplusplus
}
#endif

#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#endif /* WIDEFP_LINALG_H */
