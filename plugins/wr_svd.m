## wr_svd (A, m, n, p, U, s, V, uflag, vflag[, max_sweeps])
##
## Singular value decomposition A = U*diag(s)*V' of A (m x n, by rows;
## destroyed).  s receives the q = min(n, m+1) singular values, non-negative
## and in decreasing order; U (m x min(m,n), all zero on entry) and V (n x n)
## are written when uflag and vflag are nonzero.  Every step truncates.  The
## optional max_sweeps bounds the QR sweeps spent on one singular value;
## beyond it the call raises widefp:convergence.
##
##   A      element array of m*n elements, by rows
##   m, n   sizes (0..2^31-1)
##   p      precision in words, p >= 2
##   U, V   m*min(m,n) and n*n elements when requested, else any numeric array
##   s      q elements
##
## Example:
##   p = 2;
##   s = wr_zeros (2, p);
##   wr_svd (wr_fromdouble ([3; 0; 0; 4], p), 2, 2, p, uint64 ([]), s, uint64 ([]), 0, 0);
##   wr_todoubles (s, p)                               # [4; 3]
