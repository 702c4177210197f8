## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log10 (@var{x})
## Element-wise base-10 logarithm of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  log10 of a power of ten is exact;
## log10 (+-0) = -Inf, log10 (Inf) = Inf; a negative element raises
## @code{widefp:domain}.
##
## @example
## log10 (widereal (2, 8))   # 0.30102999566398119521373889472449302676818...
## @end example
## @seealso{log, log2, exp, widereal_rounding}
## @end deftypefn
function r = log10 (x)
  r = x;
  r.w = wr_rnd ("log10", [], x.p, x.w);
endfunction

%!assert (double (log10 (widereal ([1 1000 1e22 0 Inf]))), [0 3 22 -Inf Inf])
%!error <widefp:domain|logarithm> log10 (widereal (-1))
