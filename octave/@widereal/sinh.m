## -*- texinfo -*-
## @deftypefn {} {@var{r} =} sinh (@var{x})
## Element-wise hyperbolic sine of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  sinh (+-0) = +-0, sinh (+-Inf) =
## +-Inf; values beyond the exponent range overflow as the mode says.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## sinh (widereal (1, 8))   # 1.1752011936438014568823818505956008151557...
## @end example
## @seealso{cosh, tanh, asinh, widereal_rounding}
## @end deftypefn
function r = sinh (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("sinh", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("sinh", [], p, w);
endfunction

%!assert (double (sinh (widereal ([0 -0 Inf -Inf]))), [0 -0 Inf -Inf])
%!assert (1 ./ double (sinh (widereal (-0))), -Inf)
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = sinh (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.259294854551162779153349830618433027599745754", "-1.22863452409509552219214606515777593870616354"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
