## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_gtext (@var{w}, @var{p}, @var{n})
## Texts of the elements with words @var{w} (p+1 rows, one column each) in
## the manner of printf's %g with @var{n} significant digits: fixed
## notation when the decimal exponent lies in [-5, n), scientific
## otherwise (the exponent without leading zeros), trailing zeros dropped.
## Zeros keep their sign ("-0"), infinities read "Inf" and "-Inf".  A cell
## row, one text per element, from one wr_text call: the digits are
## correctly rounded to nearest, at every precision up to 1023.
##
## @example
## c = wr_gtext (x.w, x.p, 10);   # @{"0.3333333333", "1e+100", "-Inf"@}
## @end example
## @end deftypefn
function c = wr_gtext (w, p, n)
  c = wr_text ("short", 0, p, w, n);
endfunction
