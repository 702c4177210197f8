## -*- texinfo -*-
## @deftypefn {} {@var{r} =} acosh (@var{x})
## Element-wise inverse hyperbolic cosine of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  acosh (1) = 0 exactly, acosh (Inf)
## = Inf; x < 1 raises @code{widefp:domain} (no complex widereals).
##
## @example
## acosh (widereal (2, 8))   # 1.3169578969248167086250463473079684440269...
## @end example
## @seealso{cosh, asinh, atanh, widereal_rounding}
## @end deftypefn
function r = acosh (x)
  r = x;
  r.w = wr_rnd ("acosh", [], x.p, x.w);
endfunction

%!assert (double (acosh (widereal ([1 Inf]))), [0 Inf])
%!error <widefp:domain|inverse hyperbolic cosine> acosh (widereal (0.5))
