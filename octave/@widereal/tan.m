## -*- texinfo -*-
## @deftypefn {} {@var{r} =} tan (@var{x})
## Element-wise tangent of the widereal array @var{x} (radians).
##
## Rounding: every value is the exact tangent correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd (not a quotient of rounded sine and
## cosine).  tan (+-0) = +-0; an infinity raises @code{widefp:domain},
## |x| >= 2^65536 @code{widefp:range}.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## tan (widereal ("#pi", 8) / 4)   # 1, to about 512 bits
## @end example
## @seealso{sin, cos, atan, widereal_rounding}
## @end deftypefn
function r = tan (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("tan", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("tan", [], p, w);
endfunction
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = tan (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.160807785916206426725166058173438663162122149", "-0.975363285031235646193581759755216378967213098"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
