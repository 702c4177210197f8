## -*- texinfo -*-
## @deftypefn {} {@var{r} =} atan (@var{x})
## Element-wise arctangent of the widereal array @var{x}, in
## [-pi/2, pi/2].
##
## Rounding: every value is the exact arctangent correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd.  atan (+-0) = +-0,
## atan (+-Inf) = +-pi/2 rounded.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## 4 * atan (widereal (1, 8))   # pi to about 512 bits
## @end example
## @seealso{atan2, tan, asin, widereal_rounding}
## @end deftypefn
function r = atan (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("atan", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("atan", [], p, w);
endfunction
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = atan (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"1.10714871779409050301706546017853704007004765", "-0.549306144334054845697622618461262852323745279"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
