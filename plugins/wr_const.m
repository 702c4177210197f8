## wr_const (name, res, p)
##
## A named constant truncated to p words, written into res: "pi", "e"
## (also "napier"), "ln2", "ln10", "g" (Euler's constant), "atan_h",
## "atan_q"; upper-case spellings too.  An unknown name raises
## widefp:constant and leaves res as it was.
##
##   name   character string
##   res    result, p+1 words
##   p      precision in words, 1..1023
##
## Example:
##   p = 54;
##   x = wr_zeros (1, p);
##   wr_const ("pi", x, p);
##   wr_tostring (x, p, 1000)
