## -*- texinfo -*-
## @deftypefn {} {@var{r} =} exp (@var{x})
## Element-wise exponential of the widereal array @var{x}.
##
## Rounding: every value is the exact e^x correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  exp (-Inf) = 0, exp (Inf) = Inf,
## exp (+-0) = 1 exactly; results beyond the exponent range overflow or
## underflow as the mode says.
##
## @example
## exp (widereal (1, 8))   # e to 512 bits: 2.7182818284590452353602874713526...
## @end example
## @seealso{log, power, widereal_rounding}
## @end deftypefn
function r = exp (x)
  r = x;
  r.w = wr_rnd ("exp", [], x.p, x.w);
endfunction
