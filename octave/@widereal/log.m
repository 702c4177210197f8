## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log (@var{x})
## Element-wise natural logarithm of the widereal array @var{x}.
##
## Rounding: every value is the exact ln x correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd; log (1) = 0 exactly.
## log (+-0) = -Inf, log (Inf) = Inf; a negative element gives
## a complex logarithm, as Octave's @code{log (-1)} = pi i (see below).
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## log (widereal (2, 8))   # ln 2 to 512 bits: 0.69314718055994530941723212145818...
## @end example
## @seealso{exp, power, widereal_rounding}
## @end deftypefn
function r = log (x)
  r = wr_promoting ("log", x);
endfunction
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = log (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.376885901188190075998919126749298415680851305", "-1.03037682652431246378774332703115153196343645"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%!test
%! ## outside the real domain: Octave's complex value; inside it stays real
%! r = log (widereal (-1, 2));
%! e = widereal ({"0.0", "3.1415926535897932384626433832795028841971694"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! assert (isreal (log (widereal (0.25, 2))));
