## -*- texinfo -*-
## @deftypefn {} {@var{r} =} exp (@var{x})
## Element-wise exponential of the widereal array @var{x}.
##
## Rounding: every value is the exact e^x correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  exp (-Inf) = 0, exp (Inf) = Inf,
## exp (+-0) = 1 exactly; results beyond the exponent range overflow or
## underflow as the mode says.
##
## Complex @var{x} (or a real @var{x} outside the real domain): each part
## of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part, through the gateway wr_cplx; branch cuts
## and signed zeros as Octave's complex doubles.  A result whose imaginary
## parts are all zero is real.
##
## @example
## exp (widereal (1, 8))   # e to 512 bits: 2.7182818284590452353602874713526...
## @end example
## @seealso{log, power, widereal_rounding}
## @end deftypefn
function r = exp (x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary ("exp", x);
    return;
  endif
  r = x;
  r.w = wr_rnd ("exp", [], p, w);
endfunction
%!test
%! ## a complex argument (mpmath, 45 digits)
%! r = exp (complex (widereal (0.75, 2), -1.25));
%! e = widereal ({"0.667537446429131586942201977015932111972741837", "-2.00900045494094876258347228145863909094174256"}, 2);
%! assert (iscomplex (r));
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
