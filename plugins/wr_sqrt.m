## wr_sqrt (R, X, count, p, work)
##
## Element-wise square roots: R(i) = sqrt (X(i)) for i < count, written into
## R in place.  The roots come from Newton's iteration and are not rounded:
## they may be a few units of the last place off the truncated root.
## sqrt (+-0) = +-0 and sqrt (Inf) = Inf.  A negative element raises
## widefp:domain before anything is written.  R may be X; work must not
## share memory with R or X (widefp:alias).
##
##   R      result, at least count*(p+1) words (a fresh, unshared array)
##   X      element array of at least count elements
##   count  number of elements (0..2^31-1)
##   p      precision in words, p >= 2
##   work   scratch of at least 4p+8 words
##
## Example:
##   p = 2;
##   R = wr_zeros (1, p);
##   wr_sqrt (R, wr_fromdouble (2, p), 1, p, zeros (4 * p + 8, 1, "uint64"));
##   wr_todouble (R)                                   # 1.4142...
