## -*- texinfo -*-
## @deftypefn {} {@var{r} =} asin (@var{x})
## Element-wise arcsine of the widereal array @var{x}, in [-pi/2, pi/2].
##
## Rounding: every value is the exact arcsine correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  asin (+-0) = +-0,
## asin (+-1) = +-pi/2 rounded; |x| > 1 gives Octave's complex value
## (asin (2) = pi/2 - 1.3170i; see below).
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## 6 * asin (widereal (0.5, 8))   # pi to about 512 bits
## @end example
## @seealso{acos, sin, atan, widereal_rounding}
## @end deftypefn
function r = asin (x)
  r = wr_promoting ("asin", x);
endfunction
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = asin (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.45327617763879391344892119610197174855280564", "-1.13239363160530819522266333696834466586728006"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%!test
%! ## outside the real domain: Octave's complex value; inside it stays real
%! r = asin (widereal (2, 2));
%! e = widereal ({"1.5707963267948966192313216916397514420985847", "-1.31695789692481670862504634730796844402698197"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! assert (isreal (asin (widereal (0.25, 2))));
