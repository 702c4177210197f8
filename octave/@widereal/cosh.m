## -*- texinfo -*-
## @deftypefn {} {@var{r} =} cosh (@var{x})
## Element-wise hyperbolic cosine of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  cosh (+-0) = 1 exactly, cosh
## (+-Inf) = Inf.
##
## @example
## cosh (widereal (1, 8))   # 1.5430806348152437784779056207570616826015...
## @end example
## @seealso{sinh, tanh, acosh, widereal_rounding}
## @end deftypefn
function r = cosh (x)
  r = x;
  r.w = wr_rnd ("cosh", [], x.p, x.w);
endfunction

%!assert (double (cosh (widereal ([0 -0 Inf -Inf]))), [1 1 Inf Inf])
