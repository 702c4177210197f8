## -*- texinfo -*-
## @deftypefn {} {@var{r} =} asinh (@var{x})
## Element-wise inverse hyperbolic sine of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  asinh (+-0) = +-0, asinh (+-Inf) =
## +-Inf.
##
## @example
## asinh (widereal (1, 8))   # 0.88137358701954302523260932497979230902816...
## @end example
## @seealso{sinh, acosh, atanh, widereal_rounding}
## @end deftypefn
function r = asinh (x)
  r = x;
  r.w = wr_rnd ("asinh", [], x.p, x.w);
endfunction

%!assert (double (asinh (widereal ([0 Inf -Inf]))), [0 Inf -Inf])
