## -*- texinfo -*-
## @deftypefn {} {@var{r} =} plus (@var{a}, @var{b})
## Element-wise sum @code{@var{a} + @var{b}} of widereal arrays, or of a
## widereal and a double, single, logical or integer array (converted
## exactly at the widereal's precision).  Two widereals of different
## precision are added at the larger one.  Sizes broadcast as in Octave.
##
## Rounding: each sum is the exact sum correctly rounded to p words in the
## mode of @code{widereal_rounding} (to nearest, ties to even, by default):
## one call of the gateway wr_rnd for all elements.  An exact zero sum of
## opposite operands is +0 (-0 rounding down).  Inf + -Inf raises
## @code{widefp:domain}.
##
## @example
## widereal ("1/3") + 1        # 1.3333...
## widereal ([1 2]) + [10; 20] # 2-by-2
## @end example
## @seealso{minus, sum, widereal_rounding}
## @end deftypefn
function r = plus (a, b)
  ## Short ways for real operands with a scalar among them (one call of the
  ## gateway; it broadcasts a single element and converts a double
  ## exactly); the fields are read once.
  if (isobject (a))
    aw = a.w;
    p = a.p;
    if (isobject (b))
      bw = b.w;
      if (p == b.p && rows (aw) == p + 1 && rows (bw) == p + 1)
        if (columns (bw) == 1)
          r = a;
          r.w = wr_rnd ("add", [], p, aw, bw);
          return;
        elseif (columns (aw) == 1)
          r = b;
          r.w = wr_rnd ("add", [], p, aw, bw);
          return;
        endif
      endif
    elseif (isa (b, "double") && isscalar (b) && isreal (b) && ! issparse (b)
            && rows (aw) == p + 1)
      r = a;
      r.w = wr_rnd ("add", [], p, aw, b);
      return;
    endif
  elseif (isa (a, "double") && isscalar (a) && isreal (a) && ! issparse (a))
    bw = b.w;
    p = b.p;
    if (rows (bw) == p + 1)
      r = b;
      r.w = wr_rnd ("add", [], p, a, bw);
      return;
    endif
  endif
  if ((isobject (a) && rows (a.w) > a.p + 1) || (isobject (b) && rows (b.w) > b.p + 1)
      || (! isobject (a) && iscomplex (a)) || (! isobject (b) && iscomplex (b)))
    r = wr_cxbinary ("add", a, b);   # a complex operand
    return;
  endif
  [x, y, p, r] = wr_pair (a, b);
  r.w = wr_rnd ("add", [], p, x, y);
endfunction

%!test
%! x = widereal ("1/3", 2);
%! assert (double ((x + x) + x), 1);
%! assert (double (widereal ([1 2]) + [10; 20]), [11 12; 21 22]);
%! assert (double (int64 (2^53) + widereal (1)), 2^53 + 1);   # exact
%! assert (precision (widereal (1, 2) + widereal (1, 5)), 5);
%! assert (double (widereal ([Inf -Inf 5 -1]) + [1 -Inf -5 Inf]), [Inf -Inf 0 Inf]);
%! assert (size (widereal (zeros (0, 3)) + 1), [0 3]);
%!assert (double (widereal (Inf) + widereal (-1)), Inf)   # scalars: the short way's exit
%!assert (double (widereal (-Inf) + widereal (2^1000)), -Inf)
%!test
%! ## a widereal scalar with a double scalar (a short way) as with an array
%! d = [1 -1 0.1 -3e300 2^-1074 -2^-1074 realmax -0.75 0 -0];
%! for p = [1 3]
%!   x = widereal ("1/3", p);
%!   y = x + d;
%!   z = x .* d;
%!   for k = 1:numel (d)
%!     assert ([x + d(k), d(k) - x, x .* d(k), d(k) ./ x]
%!             == [y(k), -(x - d)(k), z(k), (d ./ x)(k)]);
%!     assert ([x == d(k), d(k) < x], [(x == d)(k), (d < x)(k)]);
%!   endfor
%! endfor
%! assert (1 ./ double ([widereal(-0) + -0, -0 + widereal(-0)]), [-Inf -Inf]);
%!error <Inf - Inf> widereal (Inf) + widereal (-Inf)
%!error <Inf - Inf> widereal (Inf) + -Inf
%!error <nonconformant> widereal ([1 2 3]) + [1 2]
%!error <NaN> widereal (1) + NaN
%!error <cannot combine> widereal (1) + {1}
%!test
%! ## complex operands: each part correctly rounded; a zero imaginary part narrows
%! z = complex (widereal ("1/3", 2), 2);
%! r = z + [3i, 1];
%! assert (iscomplex (r) && isequal (size (r), [1 2]));
%! assert (imag (r) == widereal ([5 2], 2) && real (r) == real (z) + [0 1]);
%! assert (isreal (z + complex (1, -2)));
%! assert (double (imag (complex (widereal (1), -0) + 1)), -0);   # real + complex keeps the sign of zero
%!error <nonconformant> complex (widereal ([1 2 3]), 1) + [1 2]
