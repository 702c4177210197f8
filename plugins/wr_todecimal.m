## wr_todecimal (digits, E, x, p)
##
## Decimal significand and exponent of a finite nonzero x, the input of
## wr_sci_format and wr_fix_format: |x| = digits * 10^E.  digits receives a
## fixed-point array of p+2 words in [1, 10) (word 0 the leading digit), E
## one int64 word.  Zero and infinity raise widefp:domain.
##
##   digits at least p+2 words
##   E      at least one 64-bit word (int64 array)
##   x      one element
##   p      precision in words, 1..1022
##
## Example:
##   p = 2;
##   digits = zeros (p + 2, 1, "uint64");
##   E = zeros (1, 1, "int64");
##   wr_todecimal (digits, E, wr_fromdouble (1234.5, p), p);
##   E                                                 # 3
