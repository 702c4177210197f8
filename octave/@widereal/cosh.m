## -*- texinfo -*-
## @deftypefn {} {@var{r} =} cosh (@var{x})
## Element-wise hyperbolic cosine of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  cosh (+-0) = 1 exactly, cosh
## (+-Inf) = Inf.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## cosh (widereal (1, 8))   # 1.5430806348152437784779056207570616826015...
## @end example
## @seealso{sinh, tanh, acosh, widereal_rounding}
## @end deftypefn
function r = cosh (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("cosh", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("cosh", [], p, w);
endfunction

%!assert (double (cosh (widereal ([0 -0 Inf -Inf]))), [1 1 Inf Inf])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = cosh (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.408242591877968807788852146397499084372996083", "-0.780365930845853240391326216300863152235579024"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
