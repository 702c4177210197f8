## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log2 (@var{x})
## Element-wise base-2 logarithm of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  log2 of a power of two is exact;
## log2 (+-0) = -Inf, log2 (Inf) = Inf; a negative element raises
## @code{widefp:domain}.  Only the one-output form: the mantissa and
## exponent form @code{[f, e] = log2 (x)} is not offered.
##
## @example
## log2 (widereal (10, 8))   # 3.3219280948873623478703194294893901758648...
## @end example
## @seealso{log, log10, exp, widereal_rounding}
## @end deftypefn
function r = log2 (x)
  if (nargout > 1)
    error ("widefp:value", "log2: the form [f, e] = log2 (x) is not offered for widereal");
  endif
  r = x;
  r.w = wr_rnd ("log2", [], x.p, x.w);
endfunction

%!assert (double (log2 (widereal ([1 2^-1000 0 Inf]))), [0 -1000 -Inf Inf])
%!error <widefp:domain|logarithm> log2 (widereal (-1))
