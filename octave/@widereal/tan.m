## -*- texinfo -*-
## @deftypefn {} {@var{r} =} tan (@var{x})
## Element-wise tangent of the widereal array @var{x} (radians).
##
## Rounding: every value is the exact tangent correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd (not a quotient of rounded sine and
## cosine).  tan (+-0) = +-0; an infinity raises @code{widefp:domain},
## |x| >= 2^65536 @code{widefp:range}.
##
## @example
## tan (widereal ("#pi", 8) / 4)   # 1, to about 512 bits
## @end example
## @seealso{sin, cos, atan, widereal_rounding}
## @end deftypefn
function r = tan (x)
  r = x;
  r.w = wr_rnd ("tan", [], x.p, x.w);
endfunction
