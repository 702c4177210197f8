## -*- texinfo -*-
## @deftypefn {} {@var{r} =} sqrt (@var{x})
## Element-wise square root of the widereal array @var{x}.
##
## Rounding: every root is the exact square root correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd; the root of a square is exact.
## sqrt (-0) is -0, sqrt (Inf) is Inf; a negative element gives
## a complex root, as Octave's @code{sqrt (-2)}; a complex @var{x} gives
## the principal root (see below).
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## sqrt (widereal (2, 8))   # 1.41421356237309504880168872420969807856967...
## @end example
## @seealso{power, norm, widereal_rounding}
## @end deftypefn
function r = sqrt (x)
  r = wr_promoting ("sqrt", x);
endfunction

%!test
%! r = sqrt (widereal ([4 0.25 0 -0 Inf 2], 3));
%! assert (double (r), [2 0.5 0 -0 Inf sqrt(2)]);
%! assert (1 / double (r(4)), -Inf);
%! assert (double (r(6) .* r(6) - 2), 0, 2^-185);
%! assert (double (sqrt (widereal (9, 1))), 3);
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = sqrt (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"1.05065169626078392338656675760808326164586938", "-0.594868882070379067881984030639932656972131898"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%!test
%! ## outside the real domain: Octave's complex value; inside it stays real
%! r = sqrt (widereal (-2, 2));
%! e = widereal ({"0.0", "1.41421356237309504880168872420969807856967188"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! assert (isreal (sqrt (widereal (0.25, 2))));
