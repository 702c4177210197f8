## -*- texinfo -*-
## @deftypefn {} {@var{r} =} atanh (@var{x})
## Element-wise inverse hyperbolic tangent of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  atanh (+-0) = +-0, atanh (+-1) =
## +-Inf; |x| > 1 raises @code{widefp:domain} (no complex widereals).
##
## @example
## atanh (widereal (0.5, 8))   # 0.54930614433405484569762261846126285232374...
## @end example
## @seealso{tanh, asinh, acosh, widereal_rounding}
## @end deftypefn
function r = atanh (x)
  r = x;
  r.w = wr_rnd ("atanh", [], x.p, x.w);
endfunction

%!assert (double (atanh (widereal ([0 1 -1]))), [0 Inf -Inf])
%!error <widefp:domain|inverse hyperbolic tangent> atanh (widereal (2))
