## C = wr_text (style, mode, p, X, n)
## [D, E, S] = wr_text ("digits", mode, p, X, n)
##
## Decimal text of the elements of X, correctly rounded in the mode, as new
## arrays (the arguments are never written).  The digits are exact: for
## binary exponents up to 2^18 in magnitude they come from integer
## arithmetic on the exact value, beyond from the library's conversion with
## guard words, widened until the rounding is decided.
##
##   style  "e"      n digits after the point, d.ddde+XX (as printf's %.ne)
##          "f"      n digits after the point (as %.nf)
##          "g"      n significant digits (0 counts as 1), fixed notation
##                   when the exponent lies in [-4, n), trailing zeros
##                   dropped (as %.ng); "#g" keeps them (as %#.ng)
##          "short"  n significant digits (n >= 1), fixed notation when the
##                   exponent lies in [-5, n), trailing zeros dropped, the
##                   exponent without leading zeros ("1e+100", "1.5e-7")
##          "digits" n significant digits (n >= 1) without sign or point
##   mode   0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##          3 toward -Inf
##   p      precision in words, 1..1023
##   X      uint64 array of p+1 words per element (any shape)
##   n      0..100000 (see style)
##   C      1-by-N cell of texts; infinities read "Inf" and "-Inf", zeros
##          keep their sign ("-0", "-0.000e+00")
##   D      1-by-N cell of digit texts ("Inf" for infinities, n zeros for
##          zeros)
##   E      1-by-N int64: the decimal exponent of the first digit, |x| is
##          about d.ddd * 10^E (0 for zeros, intmax for infinities)
##   S      1-by-N logical: the sign bits (-0 included)
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments (checked before anything is computed); widefp:range for more
## digits than a number beyond 10^78913 (or below 10^-78913) allows.
##
## Example:
##   p = 1;
##   X = wr_rnd ("div", 0, p, wr_fromdouble (1, p), wr_fromdouble (3, p));
##   wr_text ("e", 0, p, X, 25)          # {"3.3333333333333333333423684e-01"}
##   wr_text ("f", 1, p, X, 3)           # {"0.333"}
##   [D, E] = wr_text ("digits", 2, p, X, 5)   # D = {"33334"}, E = -1
