## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log (@var{x})
## Element-wise natural logarithm of the widereal array @var{x}.
##
## Rounding: every value is the exact ln x correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd; log (1) = 0 exactly.
## log (+-0) = -Inf, log (Inf) = Inf; a negative element raises
## @code{widefp:domain} (no complex widereals).
##
## @example
## log (widereal (2, 8))   # ln 2 to 512 bits: 0.69314718055994530941723212145818...
## @end example
## @seealso{exp, power, widereal_rounding}
## @end deftypefn
function r = log (x)
  r = x;
  r.w = wr_rnd ("log", [], x.p, x.w);
endfunction
