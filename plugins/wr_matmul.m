## wr_matmul (C, A, B, m, k, n, p, t)
##
## Matrix product C = A*B, every product and sum truncated.  A (m x k) is
## stored by rows, B (k x n) and C (m x n) by columns.  C is cleared first.
##
##   C      result, at least m*n elements
##   A, B   element arrays of m*k and k*n elements
##   m,k,n  sizes (0..2^31-1)
##   p      precision in words, p >= 2
##   t      one work element (p+1 words)
##
## Example:
##   p = 2;
##   A = wr_fromdouble ([1; 2; 3; 4], p);              # [1 2; 3 4] by rows
##   B = wr_fromdouble ([1; 1; 0; 1], p);              # [1 0; 1 1] by columns
##   C = wr_zeros (4, p);
##   wr_matmul (C, A, B, 2, 2, 2, p, wr_zeros (1, p));
##   reshape (wr_todoubles (C, p), 2, 2)               # [3 2; 7 4]
