## wr_scale (R, X, s, count, p)
##
## Every element times one number: R(i) = X(i) * s, truncated, for i < count,
## written into R in place.
##
##   R      result, at least count*(p+1) words
##   X      element array of at least count elements
##   s      one element
##   count  number of elements (0..2^31-1)
##   p      precision in words, p >= 2
##
## Example:
##   p = 2;
##   R = wr_zeros (3, p);
##   wr_scale (R, wr_fromdouble ([1; 2; 3], p), wr_fromdouble (0.5, p), 3, p);
##   wr_todoubles (R, p)                               # [0.5; 1; 1.5]
