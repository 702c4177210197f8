## -*- texinfo -*-
## @deftypefn {} {@var{r} =} tanh (@var{x})
## Element-wise hyperbolic tangent of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  tanh (+-0) = +-0, tanh (+-Inf) =
## +-1 exactly.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## tanh (widereal (1, 8))   # 0.76159415595576488811945828260479359041276...
## @end example
## @seealso{sinh, cosh, atanh, widereal_rounding}
## @end deftypefn
function r = tanh (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("tanh", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("tanh", [], p, w);
endfunction

%!assert (double (tanh (widereal ([0 Inf -Inf]))), [0 1 -1])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = tanh (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"1.37260757053378320258048606571226857222160349", "-0.385795952609750664177596760720790220484380294"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
