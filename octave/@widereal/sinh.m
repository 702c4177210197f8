## -*- texinfo -*-
## @deftypefn {} {@var{r} =} sinh (@var{x})
## Element-wise hyperbolic sine of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  sinh (+-0) = +-0, sinh (+-Inf) =
## +-Inf; values beyond the exponent range overflow as the mode says.
##
## @example
## sinh (widereal (1, 8))   # 1.1752011936438014568823818505956008151557...
## @end example
## @seealso{cosh, tanh, asinh, widereal_rounding}
## @end deftypefn
function r = sinh (x)
  r = x;
  r.w = wr_rnd ("sinh", [], x.p, x.w);
endfunction

%!assert (double (sinh (widereal ([0 -0 Inf -Inf]))), [0 -0 Inf -Inf])
%!assert (1 ./ double (sinh (widereal (-0))), -Inf)
