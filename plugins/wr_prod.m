## wr_prod (R, X, n, count, p)
##
## Products of groups of consecutive elements, written into R in place:
## element i of R becomes X(i*n) * ... * X(i*n+n-1), multiplied left to
## right with truncation after every product, for i < count.  n = 0 copies
## X(0).
##
##   R      result, at least count*(p+1) words
##   X      element array holding the count groups of n elements
##   n      group size, count the number of groups (0..2^31-1)
##   p      precision in words, p >= 2
##
## Example:
##   p = 2;
##   R = wr_zeros (2, p);
##   wr_prod (R, wr_fromdouble ([2; 3; 4; 5], p), 2, 2, p);
##   wr_todoubles (R, p)                               # [6; 20]
