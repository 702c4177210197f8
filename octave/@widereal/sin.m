## -*- texinfo -*-
## @deftypefn {} {@var{r} =} sin (@var{x})
## Element-wise sine of the widereal array @var{x} (radians).
##
## Rounding: every value is the exact sine correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd, whatever the size of x (the
## argument is reduced with enough digits of pi).  sin (+-0) = +-0; an
## infinity raises @code{widefp:domain}, as does |x| >= 2^65536
## (@code{widefp:range}).
##
## @example
## sin (widereal ("#pi", 8) / 6)   # 0.5, to about 512 bits
## @end example
## @seealso{cos, tan, asin, widereal_rounding}
## @end deftypefn
function r = sin (x)
  r = x;
  r.w = wr_rnd ("sin", [], x.p, x.w);
endfunction
