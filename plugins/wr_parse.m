## wr_parse (text, res, p)
##
## The value of an arithmetic expression, written into res: decimal numbers
## (read exactly, then rounded to p words), #name for a named constant
## (#pi, #e, #ln2, ...), @hex:words for raw words, + - * / and parentheses.
## A syntax error or trailing text raises widefp:syntax and leaves res as it
## was.
##
##   text   character string
##   res    result, p+1 words
##   p      precision in words, 1..1022
##
## Example:
##   p = 4;
##   x = wr_zeros (1, p);
##   wr_parse ("(#pi*2-1/3)*1e-5", x, p);
##   wr_tostring (x, p, 40)
