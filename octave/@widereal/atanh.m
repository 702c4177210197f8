## -*- texinfo -*-
## @deftypefn {} {@var{r} =} atanh (@var{x})
## Element-wise inverse hyperbolic tangent of the widereal array @var{x}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  atanh (+-0) = +-0, atanh (+-1) =
## +-Inf; |x| > 1 gives a complex value
## (atanh (2) = 0.5493 + pi/2 i; see below).
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## atanh (widereal (0.5, 8))   # 0.54930614433405484569762261846126285232374...
## @end example
## @seealso{tanh, asinh, acosh, widereal_rounding}
## @end deftypefn
function r = atanh (x)
  r = wr_promoting ("atanh", x);
endfunction

%!assert (double (atanh (widereal ([0 1 -1]))), [0 Inf -Inf])
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = atanh (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.261492138795671927078652057366532139773702411", "-0.996825126463918666098902241310446707850952643"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%!test
%! ## outside the real domain: Octave's complex value; inside it stays real
%! r = atanh (widereal (2, 2));
%! e = widereal ({"0.549306144334054845697622618461262852323745279", "1.5707963267948966192313216916397514420985847"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! assert (isreal (atanh (widereal (0.25, 2))));
