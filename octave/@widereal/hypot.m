## -*- texinfo -*-
## @deftypefn {} {@var{r} =} hypot (@var{a}, @var{b})
## Element-wise sqrt (a.^2 + b.^2) of widereal arrays, without overflow or
## underflow of the squares; operands, precision and broadcasting as for
## @code{plus}.
##
## Rounding: every value is the exact one correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  hypot (+-Inf, b) = Inf.
## Complex operands: as in Octave, the hypot of their moduli, each modulus
## rounded first, so the result is within 1.5 units of its last place.
##
## @example
## hypot (widereal (3), 4)   # 5
## @end example
## @seealso{norm, sqrt, widereal_rounding}
## @end deftypefn
function r = hypot (a, b)
  if (iscomplex (a) || iscomplex (b))       # complex: the moduli's hypot
    r = hypot (abs (a), abs (b));
    return;
  endif
  [x, y, p, sz] = wr_operands (a, b);
  r = wr_new (wr_rnd ("hypot", [], p, x, y), p, sz);
endfunction

%!assert (double (hypot (widereal ([3 -5 0 Inf]), [4 12 -0 -2])), [5 13 0 Inf])
%!test
%! big = widereal (2, 1) .^ (2^61);           # its square would overflow
%! assert (hypot (big, -big) == big .* sqrt (widereal (2, 1)));
%!test # complex operands: the moduli's hypot, real (13 = hypot (5, 12))
%! r = hypot (widereal (3+4i, 2), 12i);
%! assert (isreal (r) && double (r) == 13);
