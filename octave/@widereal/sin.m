## -*- texinfo -*-
## @deftypefn {} {@var{r} =} sin (@var{x})
## Element-wise sine of the widereal array @var{x} (radians).
##
## Rounding: every value is the exact sine correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd, whatever the size of x (the
## argument is reduced with enough digits of pi).  sin (+-0) = +-0; an
## infinity raises @code{widefp:domain}, as does |x| >= 2^65536
## (@code{widefp:range}).
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## sin (widereal ("#pi", 8) / 6)   # 0.5, to about 512 bits
## @end example
## @seealso{cos, tan, asin, widereal_rounding}
## @end deftypefn
function r = sin (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("sin", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("sin", [], p, w);
endfunction
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = sin (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"1.2872229100264918857587351079056544070659922", "-1.17210635989270256101081285116138862604106656"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
