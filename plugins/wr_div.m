## wr_div (R, X, Y, count, p)
##
## Element-wise quotients: R(i) = X(i) / Y(i), truncated toward zero to p
## fraction words, for i < count, written into R in place.  x/0 is an
## infinity (0/0 included) and 0/x a zero, each signed as a product is: the
## sign of x times the sign of the divisor, so 1/(-0) is -Inf as in IEEE
## 754; zero and infinite results have their fraction words cleared.  R may
## be X or Y; otherwise R must not share memory with them (widefp:alias).
##
##   R      result, at least count*(p+1) words (a fresh, unshared array)
##   X, Y   element arrays of at least count elements
##   count  number of elements (0..2^31-1)
##   p      precision in words, p >= 1
##
## Example:
##   p = 2;
##   R = wr_zeros (1, p);
##   wr_div (R, wr_fromdouble (1, p), wr_fromdouble (3, p), 1, p);
##   wr_todouble (R)                                   # 0.3333...
