## d = wr_eig ("eig", mode, p, A, n)
## [d, V] = wr_eig ("eig", mode, p, A, n)
## [d, V] = wr_eig ("eig2", mode, p, A, B, n)
## [R, k] = wr_eig ("chol", mode, p, A, n)
##
## The symmetric eigenproblem and the Cholesky factorisation on widereal
## matrices, returning new arrays; the arguments are never written.  A (and
## B) are widened exactly to q = p+2 words (at most 1023), the library's
## routine runs there (every step truncated, inner products accumulated at
## q+1 words) and each result element is rounded once to p words in the
## mode.  The results are not correctly rounded: they carry the error of
## the algorithm at q words.  Matrices are stored by columns (Octave's
## order), one column of words per element.
##
##   op     "eig": the eigenvalues d of the symmetric A (a column,
##          ascending) and, when asked for, the orthonormal eigenvectors V
##          (n-by-n, column j for d(j), its entry of largest magnitude
##          positive): Householder tridiagonalisation and implicitly shifted
##          QR sweeps (Wilkinson's shift);
##          "eig2": A x = lambda B x for a symmetric A and a symmetric
##          positive definite B through B's Cholesky factor R (the problem
##          of R^-T A R^-1); V' B V = I;
##          "chol": A = R' R, R upper triangular with a positive diagonal,
##          only A's upper triangle read; k = 0, or the number (from 1) of
##          the first pivot that is not positive, R then the (k-1)-by-(k-1)
##          factor of A's leading block of that order
##   mode   0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##          3 toward -Inf
##   p      precision in words, 1..1023
##   A, B   uint64 arrays of n*n elements of p+1 words
##   n      the order
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments, widefp:domain for infinite entries, widefp:nonsymmetric when
## A or B of "eig" or "eig2" differs from its transpose, widefp:notposdef
## when B of "eig2" is not positive definite, widefp:convergence when an
## eigenvalue does not converge, widefp:memory when the scratch (about
## 3 n^2 (q+1) words) cannot be had.
##
## Example:
##   p = 2;
##   A = wr_fromdouble ([2; 1; 1; 2], p);             # [2 1; 1 2]
##   wr_todoubles (wr_eig ("eig", 0, p, A, 2)(:), p)  # [1; 3]
##   [R, k] = wr_eig ("chol", 0, p, A, 2);
##   wr_todoubles (R(:), p)                           # [sqrt(2); 0; 1/sqrt(2); sqrt(1.5)]
