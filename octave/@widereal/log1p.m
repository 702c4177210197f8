## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log1p (@var{x})
## Element-wise natural logarithm of 1 + x, accurate for small x of the
## widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  log1p (+-0) = +-0, log1p (-1) =
## -Inf, log1p (Inf) = Inf; x < -1 gives a complex value
## (log1p (-2) = pi i).
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## log1p (widereal ("1e-40", 8))   #
## 9.99999999999999999999999999999999999999995e-41
## @end example
## @seealso{log, expm1, widereal_rounding}
## @end deftypefn
function r = log1p (x)
  if (rows (x.w) > x.p + 1)
    r = wr_cxunary ("log1p", x);
    return;
  endif
  r = x;
  try
    r.w = wr_rnd ("log1p", [], x.p, x.w);
  catch err
    if (! strcmp (err.identifier, "widefp:domain"))
      rethrow (err);
    endif
    r = wr_cxunary ("log1p", x);   # outside the real domain: complex, as Octave
  end_try_catch
endfunction

%!assert (double (log1p (widereal ([0 -1 Inf]))), [0 -Inf Inf])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = log1p (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.765738185482194258058199653328458729836788592", "-0.620249485982821471336532556175932267050905689"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%!test
%! ## outside the real domain: Octave's complex value; inside it stays real
%! r = log1p (widereal (-2, 2));
%! e = widereal ({"0.0", "3.1415926535897932384626433832795028841971694"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! assert (isreal (log1p (widereal (0.25, 2))));
