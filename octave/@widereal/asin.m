## -*- texinfo -*-
## @deftypefn {} {@var{r} =} asin (@var{x})
## Element-wise arcsine of the widereal array @var{x}, in [-pi/2, pi/2].
##
## Rounding: every value is the exact arcsine correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  asin (+-0) = +-0,
## asin (+-1) = +-pi/2 rounded; |x| > 1 raises @code{widefp:domain} (no
## complex widereals).
##
## @example
## 6 * asin (widereal (0.5, 8))   # pi to about 512 bits
## @end example
## @seealso{acos, sin, atan, widereal_rounding}
## @end deftypefn
function r = asin (x)
  r = x;
  r.w = wr_rnd ("asin", [], x.p, x.w);
endfunction
