## wr_qr (A, m, n, p, Q, R, qflag, rflag)
##
## Householder QR factorisation of A (m x n, by rows, m >= n), in place:
## column k of A keeps the k-th reflection vector from the diagonal down and
## R above it.  With qflag nonzero the m x n matrix Q is written into Q; with
## rflag nonzero the min(m,n) x n matrix R into R (by rows).  Every step
## truncates.
##
##   A      element array of m*n elements, by rows
##   m, n   sizes (0..2^31-1)
##   p      precision in words, p >= 2
##   Q      m*n elements when qflag, else any numeric array
##   R      min(m,n)*n elements when rflag, else any numeric array
##
## Example:
##   p = 2;
##   Q = wr_zeros (4, p);
##   R = wr_zeros (4, p);
##   wr_qr (wr_fromdouble ([3; 1; 4; 2], p), 2, 2, p, Q, R, 1, 1);
##   reshape (wr_todoubles (R, p), 2, 2)'              # upper triangular, |R(1,1)| = 5
