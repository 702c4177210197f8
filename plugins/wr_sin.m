## wr_sin (res, x, p, work)
##
## sin x, computed at p+1 words and truncated to p,
## written into res.
## An infinite x raises widefp:domain, |x| >= 2^65536 widefp:range; res
## untouched.
##
##   res    result, p+1 words; written only when the call succeeds
##   x      one element (res, x and work may be the same array)
##   p      precision in words, 1..1023
##   work   2p+5 words of scratch (contents do not matter)
##
## Example:
##   p = 4;
##   y = wr_zeros (1, p);
##   wr_sin (y, wr_fromdouble (3, p), p, zeros (2*p + 5, 1, "uint64"));
##   wr_tostring (y, p, 70)                            # 0.14112...
