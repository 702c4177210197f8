## -*- texinfo -*-
## @deftypefn {} {@var{r} =} asinh (@var{x})
## Element-wise inverse hyperbolic sine of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  asinh (+-0) = +-0, asinh (+-Inf) =
## +-Inf.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## asinh (widereal (1, 8))   # 0.88137358701954302523260932497979230902816...
## @end example
## @seealso{sinh, acosh, atanh, widereal_rounding}
## @end deftypefn
function r = asinh (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("asinh", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("asinh", [], p, w);
endfunction

%!assert (double (asinh (widereal ([0 Inf -Inf]))), [0 Inf -Inf])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = asinh (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"1.03171853444778027336364058631006593572829572", "-0.911738290968487636358489564316731207175389216"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
