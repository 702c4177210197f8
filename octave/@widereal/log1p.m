## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log1p (@var{x})
## Element-wise natural logarithm of 1 + x, accurate for small x of the
## widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  log1p (+-0) = +-0, log1p (-1) =
## -Inf, log1p (Inf) = Inf; x < -1 raises @code{widefp:domain}.
##
## @example
## log1p (widereal ("1e-40", 8))   #
## 9.99999999999999999999999999999999999999995e-41
## @end example
## @seealso{log, expm1, widereal_rounding}
## @end deftypefn
function r = log1p (x)
  r = x;
  r.w = wr_rnd ("log1p", [], x.p, x.w);
endfunction

%!assert (double (log1p (widereal ([0 -1 Inf]))), [0 -Inf Inf])
%!error <widefp:domain|logarithm> log1p (widereal (-2))
