## -*- texinfo -*-
## @deftypefn {} {@var{r} =} expm1 (@var{x})
## Element-wise e^x - 1, accurate for small x of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  expm1 (+-0) = +-0, expm1 (-Inf) =
## -1, expm1 (Inf) = Inf.
##
## @example
## expm1 (widereal ("1e-40", 8))   #
## 1.00000000000000000000000000000000000000005e-40
## @end example
## @seealso{exp, log1p, widereal_rounding}
## @end deftypefn
function r = expm1 (x)
  r = x;
  r.w = wr_rnd ("expm1", [], x.p, x.w);
endfunction

%!assert (double (expm1 (widereal ([0 -Inf Inf]))), [0 -1 Inf])
