## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log10 (@var{x})
## Element-wise base-10 logarithm of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  log10 of a power of ten is exact;
## log10 (+-0) = -Inf, log10 (Inf) = Inf; a negative element gives a
## complex value (log10 (-100) = 2 + 1.3644i).
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## log10 (widereal (2, 8))   # 0.30102999566398119521373889472449302676818...
## @end example
## @seealso{log, log2, exp, widereal_rounding}
## @end deftypefn
function r = log10 (x)
  r = wr_promoting ("log10", x);
endfunction

%!assert (double (log10 (widereal ([1 1000 1e22 0 Inf]))), [0 3 22 -Inf Inf])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = log10 (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.163679467193165171449476605077428974851498867", "-0.447486970040493067069984724340855636864946198"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%!test
%! ## outside the real domain: Octave's complex value; inside it stays real
%! r = log10 (widereal (-100, 2));
%! e = widereal ({"2.0", "1.36437635384184134748578362543135577021012748"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! assert (isreal (log10 (widereal (0.25, 2))));
