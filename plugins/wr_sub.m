## wr_sub (C, A, B, p)
##
## One difference rounded to nearest (ties to even): C = A - B.
##
##   C      result, p+1 words
##   A, B   one element each
##   p      precision in words, p >= 1
##
## Example:
##   p = 2;
##   C = wr_zeros (1, p);
##   wr_sub (C, wr_fromdouble (1, p), wr_fromdouble (0.25, p), p);
##   wr_todouble (C)                                   # 0.75
