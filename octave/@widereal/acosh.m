## -*- texinfo -*-
## @deftypefn {} {@var{r} =} acosh (@var{x})
## Element-wise inverse hyperbolic cosine of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  acosh (1) = 0 exactly, acosh (Inf)
## = Inf; x < 1 gives a complex value
## (acosh (0.5) = pi/3 i; see below).
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## acosh (widereal (2, 8))   # 1.3169578969248167086250463473079684440269...
## @end example
## @seealso{cosh, asinh, atanh, widereal_rounding}
## @end deftypefn
function r = acosh (x)
  r = wr_promoting ("acosh", x);
endfunction

%!assert (double (acosh (widereal ([1 Inf]))), [0 Inf])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = acosh (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"1.13239363160530819522266333696834466586728006", "-1.11752014915610270578240049553777969354577906"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%!test
%! ## outside the real domain: Octave's complex value; inside it stays real
%! r = acosh (widereal (0.5, 2));
%! e = widereal ({"0.0", "1.04719755119659774615421446109316762806572313"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! assert (isreal (acosh (widereal (2, 2))));
