## -*- texinfo -*-
## @deftypefn {} {@var{r} =} tanh (@var{x})
## Element-wise hyperbolic tangent of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  tanh (+-0) = +-0, tanh (+-Inf) =
## +-1 exactly.
##
## @example
## tanh (widereal (1, 8))   # 0.76159415595576488811945828260479359041276...
## @end example
## @seealso{sinh, cosh, atanh, widereal_rounding}
## @end deftypefn
function r = tanh (x)
  r = x;
  r.w = wr_rnd ("tanh", [], x.p, x.w);
endfunction

%!assert (double (tanh (widereal ([0 Inf -Inf]))), [0 1 -1])
