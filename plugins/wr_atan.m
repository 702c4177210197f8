## wr_atan (res, x, p, work1, work2)
##
## atan x, computed at p+1 words and truncated to p,
## written into res.
##
##   res    result, p+1 words; written only when the call succeeds
##   x      one element (res, x and work may be the same array)
##   p      precision in words, 1..1023
##   work1  2p+4 words of scratch (contents do not matter)
##   work2  the reciprocal cache: at least 500*(p+2) words, all zero before
##          its first use; pass the same array again to later calls at the same
##          p (wr_log, wr_pow and wr_atan share it).  A cache filled at another
##          p raises widefp:cache; it may not share memory with another
##          argument (widefp:alias).
##
## Example:
##   p = 4;
##   y = wr_zeros (1, p);
##   cache = zeros (500*(p + 2), 1, "uint64");
##   wr_atan (y, wr_fromdouble (1, p), p, zeros (2*p + 4, 1, "uint64"), cache);
##   wr_tostring (y, p, 70)                            # pi/4
