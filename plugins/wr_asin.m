## wr_asin (res, x, p, work)
##
## asin x, computed at p+1 words and truncated to p,
## written into res.
## |x| > 1 raises widefp:domain ("asin : domain error."), res untouched.
##
##   res    result, p+1 words; written only when the call succeeds
##   x      one element (res, x and work may be the same array)
##   p      precision in words, 1..1023
##   work   5p+10 words of scratch (contents do not matter)
##
## Example:
##   p = 4;
##   y = wr_zeros (1, p);
##   wr_asin (y, wr_fromdouble (0.5, p), p, zeros (5*p + 10, 1, "uint64"));
##   wr_tostring (y, p, 70)                            # pi/6
