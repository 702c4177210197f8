## -*- texinfo -*-
## @deftypefn {} {@var{r} =} plus (@var{a}, @var{b})
## Element-wise sum @code{@var{a} + @var{b}} of widereal arrays, or of a
## widereal and a double, single, logical or integer array (converted
## exactly at the widereal's precision).  Two widereals of different
## precision are added at the larger one.  Sizes broadcast as in Octave.
##
## Rounding: the sum is truncated toward zero to p words (the library's
## addition, wr_sum over pairs).  Inf + -Inf raises @code{widefp:domain}.
##
## @example
## widereal ("1/3") + 1        # 1.3333...
## widereal ([1 2]) + [10; 20] # 2-by-2
## @end example
## @seealso{minus, sum}
## @end deftypefn
function r = plus (a, b)
  ## Scalars take a short way (few function calls: each costs more than the
  ## sum itself), unless the result is zero or its exponent within 2^40 of
  ## the top of the range, where an infinite operand lands: those go the
  ## general way, through wr_addwords.
  one = false;
  if (isobject (a) && isobject (b))         # two scalars of one precision:
    p = a.p;                                # the words as they are
    x = a.w;
    y = b.w;
    one = numel (x) == p + 1 && size_equal (x, y);
    r = a;
  endif
  if (! one)
    [x, y, p, r] = wr_pair (a, b);
    one = numel (x) == p + 1;
  endif
  if (one)
    X = [x; y];                                # a fresh array: the sum goes
    wr_sum (X, X, 2, 1, p);                  # into its first element
    w = X(1);
    if ((w > 0 && w < 0x7fffff0000000000u64)
        || (w > 0x8000000000000000u64 && w < 0xffffff0000000000u64))
      r.w = X(1:p+1);
      return;
    endif
  endif
  r.w = wr_addwords (x, y, p);
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
