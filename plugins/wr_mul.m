## wr_mul (C, A, B, p)
##
## One product rounded to nearest (ties to even): C = A*B.
##
##   C      result, p+1 words (may be the same array as A or B)
##   A, B   one element each
##   p      precision in words, p >= 2
##
## Example:
##   p = 2;
##   C = wr_zeros (1, p);
##   wr_mul (C, wr_fromdouble (1.5, p), wr_fromdouble (-0.75, p), p);
##   wr_todouble (C)                                   # -1.125
