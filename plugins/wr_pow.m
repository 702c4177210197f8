## wr_pow (res, x, y, p, work1, work2)
##
## The power x^y = e^(y ln x), computed at p+1 words and truncated to p,
## written into res.  Results cover the whole widereal range (infinity
## from y ln x >= 2^62 ln 2 on, as for wr_exp).  A negative base needs an
## integer exponent (the sign follows its parity, for exponents of any
## size), otherwise widefp:domain ("pow : domain error, base is
## negative."), res untouched.  0^y is 0 for y > 0 and infinity for
## y <= 0.
##
##   res    result, p+1 words; written only when the call succeeds
##   x, y   one element each, base and exponent (any of res, x, y and work1
##          may be the same array)
##   p      precision in words, 1..1023
##   work1  3p+6 words of scratch (contents do not matter)
##   work2  the reciprocal cache: at least 500*(p+2) words, all zero before
##          its first use; pass the same array again to later calls at the same
##          p (wr_log, wr_pow and wr_atan share it).  A cache filled at another
##          p raises widefp:cache; it may not share memory with another
##          argument (widefp:alias).
##
## Example:
##   p = 4;
##   z = wr_zeros (1, p);
##   cache = zeros (500*(p + 2), 1, "uint64");
##   wr_pow (z, wr_fromdouble (2, p), wr_fromdouble (0.5, p), p, ...
##           zeros (3*p + 6, 1, "uint64"), cache);
##   wr_tostring (z, p, 70)                            # sqrt(2)
