## -*- texinfo -*-
## @deftypefn {} {@var{r} =} atan (@var{x})
## Element-wise arctangent of the widereal array @var{x}, in
## [-pi/2, pi/2].
##
## Rounding: every value is the exact arctangent correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd.  atan (+-0) = +-0,
## atan (+-Inf) = +-pi/2 rounded.
##
## @example
## 4 * atan (widereal (1, 8))   # pi to about 512 bits
## @end example
## @seealso{atan2, tan, asin, widereal_rounding}
## @end deftypefn
function r = atan (x)
  r = x;
  r.w = wr_rnd ("atan", [], x.p, x.w);
endfunction
