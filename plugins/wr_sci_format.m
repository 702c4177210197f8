## s = wr_sci_format (control, digits, E)
##
## Text of digits * 10^E (from wr_todecimal) in scientific notation; returns a
## new string.  The digit array is consumed.  The control word (uint64):
## bits 0-15 the digit array's word count w (2..its length), bits 16-31 the
## number d of digits after the point, bit 56 upper-case exponent letter, bit
## 59 trim trailing zeros, bit 63 a leading minus sign.
##
##   control  uint64 control word
##   digits   the digit array (at least w words)
##   E        the decimal exponent (int64 word)
##
## Example:
##   p = 2;
##   digits = zeros (p + 2, 1, "uint64");
##   E = zeros (1, 1, "int64");
##   wr_todecimal (digits, E, wr_fromdouble (1234.5, p), p);
##   wr_sci_format (uint64 (p + 2) + bitshift (uint64 (6), 16), digits, E)   # 1.234500e+3
