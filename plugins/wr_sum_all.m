## wr_sum_all (R, X, count, p)
##
## The sum of the first count elements of X, added left to right with
## truncation after every addition, written into the first element of R.
##
##   R      result, at least p+1 words
##   X      element array of at least count elements (at least one)
##   count  number of elements (0..2^31-1; 0 copies X(0))
##   p      precision in words, p >= 1
##
## Example:
##   p = 2;
##   R = wr_zeros (1, p);
##   wr_sum_all (R, wr_fromdouble ([1; 2; 3], p), 3, p);
##   wr_todouble (R)                                   # 6
