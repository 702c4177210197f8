## wr_exp (res, x, p, work)
##
## e^x, computed at p+1 words and truncated to p,
## written into res.
## Results cover the whole widereal range: e^x is infinity from
## x >= 2^62 ln 2 (about 3.2e18) on, zero below the smallest number
## (x < -(2^62-2) ln 2).
##
##   res    result, p+1 words; written only when the call succeeds
##   x      one element (res, x and work may be the same array)
##   p      precision in words, 1..1023
##   work   2p+5 words of scratch (contents do not matter)
##
## Example:
##   p = 4;
##   y = wr_zeros (1, p);
##   wr_exp (y, wr_fromdouble (1, p), p, zeros (2*p + 5, 1, "uint64"));
##   wr_tostring (y, p, 70)                            # e
