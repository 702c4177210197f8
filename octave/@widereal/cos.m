## -*- texinfo -*-
## @deftypefn {} {@var{r} =} cos (@var{x})
## Element-wise cosine of the widereal array @var{x} (radians).
##
## Rounding: every value is the exact cosine correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  cos (+-0) = 1; an infinity raises
## @code{widefp:domain}, |x| >= 2^65536 @code{widefp:range}.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## cos (widereal ("#pi", 8) / 3)   # 0.5, to about 512 bits
## @end example
## @seealso{sin, tan, acos, widereal_rounding}
## @end deftypefn
function r = cos (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("cos", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("cos", [], p, w);
endfunction
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = cos (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"1.38173873063425888530729933139078644608263939", "1.09193013555397466170919531722024128257040259"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
