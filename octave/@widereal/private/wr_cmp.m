## -*- texinfo -*-
## @deftypefn {} {[@var{c}, @var{sz}, @var{A}, @var{B}, @var{p}] =} wr_cmp (@var{a}, @var{b})
## Three-way comparison of two operands (widereal or real numeric, broadcast
## as in wr_operands): -1, 0 or 1 per element, of size @var{sz}.  Values are
## compared, whatever the precisions: +0 equals -0, -Inf and Inf are the
## ends.  @var{A}, @var{B} and @var{p} are the operands' words as wr_operands
## gives them.
##
## The magnitudes (exponent field, then fraction words) compare at their
## first differing word; the signs then decide or flip the outcome.
##
## @example
## c = wr_cmp (widereal ("1/3"), 1/3);   # 1: the double 1/3 is smaller
## @end example
## @end deftypefn
function [c, sz, A, B, p] = wr_cmp (a, b)
  if (isobject (a) && isobject (b))
    A = a.w;
    B = b.w;
    p = a.p;
    if (numel (A) == p + 1 && size_equal (A, B))
      sz = [1 1];                           # two scalars of one precision
      sa = A(1);
      sb = B(1);
      if (((sa > 0 && sa < 0x7fffffffffffffffu64)
           || (sa > 0x8000000000000000u64 && sa < 0xffffffffffffffffu64))
          && ((sb > 0 && sb < 0x7fffffffffffffffu64)
              || (sb > 0x8000000000000000u64 && sb < 0xffffffffffffffffu64)))
        ## both finite and nonzero: the sign bits, then the first word
        ## that differs (the magnitude's order, reversed for negatives)
        neg = sa > 0x7fffffffffffffffu64;
        if (neg != (sb > 0x7fffffffffffffffu64))
          c = 1 - 2 * neg;
        else
          [differ, k] = max (A != B);
          c = differ * (2 * (A(k) > B(k)) - 1) * (1 - 2 * neg);
        endif
        return;
      endif
    else
      [A, B, p, sz] = wr_operands (a, b);
    endif
  else
    [A, B, p, sz] = wr_operands (a, b);
  endif
  c = zeros (sz);
  if (isempty (c))
    return;
  endif
  top = 0x7fffffffffffffffu64;
  MA = A;
  MB = B;
  MA(1, :) = bitand (A(1, :), top);
  MB(1, :) = bitand (B(1, :), top);
  za = MA(1, :) == 0;                       # zeros: no sign, no fraction
  zb = MB(1, :) == 0;
  MA(2:end, za | MA(1, :) == top) = 0;      # infinities: no fraction
  MB(2:end, zb | MB(1, :) == top) = 0;
  [differ, r] = max (MA != MB, [], 1);
  k = r + (0:columns (MA) - 1) * (p + 1);
  mag = differ .* (2 * (MA(k) > MB(k)) - 1);
  sa = double (A(1, :) > top & ! za);       # 1 for a negative nonzero
  sb = double (B(1, :) > top & ! zb);
  c(:) = (sa == sb) .* (1 - 2 * sa) .* mag + sb - sa;
endfunction
