## -*- texinfo -*-
## @deftypefn {} {@var{r} =} minus (@var{a}, @var{b})
## Element-wise difference @code{@var{a} - @var{b}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Rounding: truncated toward zero to p words (the library's addition of
## the negated operand, wr_sum over pairs).  Inf - Inf raises
## @code{widefp:domain}.
##
## @example
## widereal (1) - widereal ("1/3")   # 0.6666...
## @end example
## @seealso{plus}
## @end deftypefn
function r = minus (a, b)
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
    t = y(1);                                  # b's sign flipped
    if (t < 0x8000000000000000u64)
      X(p + 2) = t + 0x8000000000000000u64;
    else
      X(p + 2) = t - 0x8000000000000000u64;
    endif
    wr_sum (X, X, 2, 1, p);                  # into its first element
    w = X(1);
    if ((w > 0 && w < 0x7fffff0000000000u64)
        || (w > 0x8000000000000000u64 && w < 0xffffff0000000000u64))
      r.w = X(1:p+1);
      return;
    endif
  endif
  y(1, :) = bitxor (y(1, :), 0x8000000000000000u64);
  r.w = wr_addwords (x, y, p);
endfunction

%!test
%! x = widereal ("1/3", 3);
%! assert (double (1 - x - x - x), 0);
%! assert (double ([5; 6] - widereal ([1 2])), [4 3; 5 4]);
%! assert (double (widereal (-Inf) - 1), -Inf);
%! y = widereal (1) - 1;
%! assert (double (y), 0);
%!assert (double (widereal (1) - widereal (Inf)), -Inf)
%!test
%! big = widereal ([0x7ffffffffffffffeu64; 0; 0], 2, "words");
%! assert (double ([-big - big, big - big, widereal(-2, 2) - widereal(-3, 2)]), [-Inf 0 1]);
%!error <Inf - Inf> widereal (Inf) - widereal (Inf)
%!error <Inf - Inf> widereal (Inf) - Inf
