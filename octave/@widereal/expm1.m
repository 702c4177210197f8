## -*- texinfo -*-
## @deftypefn {} {@var{r} =} expm1 (@var{x})
## Element-wise e^x - 1, accurate for small x of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  expm1 (+-0) = +-0, expm1 (-Inf) =
## -1, expm1 (Inf) = Inf.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## expm1 (widereal ("1e-40", 8))   #
## 1.00000000000000000000000000000000000000005e-40
## @end example
## @seealso{exp, log1p, widereal_rounding}
## @end deftypefn
function r = expm1 (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("expm1", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("expm1", [], p, w);
endfunction

%!assert (double (expm1 (widereal ([0 -Inf Inf]))), [0 -1 Inf])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = expm1 (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"-0.332462553570868413057798022984067888027258163", "-2.00900045494094876258347228145863909094174256"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
