## -*- texinfo -*-
## @deftypefn {} {@var{r} =} lgamma (@var{x})
## Element-wise ln (Gamma (x)) of the widereal array @var{x}: the same as
## @code{gammaln}, which see for the poles and the elements where Gamma (x)
## < 0 (@code{widefp:domain}).
##
## Rounding: every value is the exact ln|Gamma (x)| correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd.
##
## @example
## lgamma (widereal ("0.5", 8))   # ln (sqrt (pi)): 0.57236494292470008707171367567652...
## @end example
## @seealso{gammaln, gamma, widereal_rounding}
## @end deftypefn
function r = lgamma (x)
  wr_realonly ("lgamma", x);
  r = gammaln (x);
endfunction

%!error <complex> lgamma (widereal (-0.5))
