## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log2 (@var{x})
## Element-wise base-2 logarithm of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  log2 of a power of two is exact;
## log2 (+-0) = -Inf, log2 (Inf) = Inf; a negative element gives a
## complex value (log2 (-8) = 3 + 4.5324i).  Only the one-output form: the mantissa and
## exponent form @code{[f, e] = log2 (x)} is not offered.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## log2 (widereal (10, 8))   # 3.3219280948873623478703194294893901758648...
## @end example
## @seealso{log, log10, exp, widereal_rounding}
## @end deftypefn
function r = log2 (x)
  if (nargout > 1)
    error ("widefp:value", "log2: the form [f, e] = log2 (x) is not offered for widereal");
  endif
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("log2", x);
    return;
  endif
  r = x;
  try
    r.w = wr_rnd ("log2", [], p, w);
  catch err
    if (! strcmp (err.identifier, "widefp:domain"))
      rethrow (err);
    endif
    r = wr_cxunary ("log2", x);   # outside the real domain: complex, as Octave
  end_try_catch
endfunction

%!assert (double (log2 (widereal ([1 2^-1000 0 Inf]))), [0 -1000 -Inf Inf])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = log2 (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.543731420625169704127033005405202177005633641", "-1.48651953787353332548851573744076179032132179"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%!test
%! ## outside the real domain: Octave's complex value; inside it stays real
%! r = log2 (widereal (-8, 2));
%! e = widereal ({"3.0", "4.53236014182719380962768294571666681017186147"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! assert (isreal (log2 (widereal (0.25, 2))));
