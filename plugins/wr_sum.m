## wr_sum (R, X, n, count, p)
##
## Sums of groups of consecutive elements, written into R in place: element i
## of R (from 0) becomes X(i*n) + ... + X(i*n+n-1), added left to right with
## truncation after every addition, for i < count.  n = 0 copies X(0).
##
##   R      result, at least count*(p+1) words
##   X      element array holding the count groups of n elements
##   n      group size, count the number of groups (0..2^31-1)
##   p      precision in words, p >= 1
##
## Example:
##   p = 2;
##   R = wr_zeros (1, p);
##   wr_sum (R, wr_fromdouble ([1.5; 2.25], p), 2, 1, p);
##   wr_todouble (R)                                   # 3.75
