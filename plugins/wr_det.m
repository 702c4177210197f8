## wr_det (A, n, p, det)
##
## Determinant by elimination with partial pivoting, truncating every step.
## A (n x n, by rows) is overwritten; det receives the determinant (+0 for a
## singular matrix).
##
##   A      element array of n*n elements, by rows
##   n      order (0..2^31-1)
##   p      precision in words, p >= 2
##   det    result, p+1 words
##
## Example:
##   p = 2;
##   d = wr_zeros (1, p);
##   wr_det (wr_fromdouble ([4; 7; 2; 6], p), 2, p, d);
##   wr_todouble (d)                                   # 10
