## -*- texinfo -*-
## @deftypefn {} {[@var{c}, @var{sz}, @var{A}, @var{B}, @var{p}] =} wr_cmp (@var{a}, @var{b})
## Three-way comparison of two operands (widereal or real numeric, broadcast
## as in wr_pair): -1, 0 or 1 per element, of size @var{sz}.  Values are
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
  one = false;
  if (isobject (a) && isobject (b))         # two scalars of one precision:
    A = a.w;                                # the words as they are
    B = b.w;
    p = a.p;
    one = numel (A) == p + 1 && size_equal (A, B);
  endif
  if (! one)
    [A, B, p, r] = wr_pair (a, b);
    sz = r.sz;
    one = numel (A) == p + 1;
  endif
  if (one)
    sz = [1 1];
    sa = A(1);
    sb = B(1);
    E = 0x7fffffffffffffffu64;
    M = 0xffffffffffffffffu64;
    if (sa != E && sa != M && sb != E && sb != M)
      ## both finite: zeros, the sign bits, then the first word that differs
      ## (the magnitude's order, reversed for negatives)
      na = sa > E;
      za = sa == 0 || sa == E + 1;
      zb = sb == 0 || sb == E + 1;
      if (za || zb)
        c = (! za) * (1 - 2 * na) - (! zb) * (1 - 2 * (sb > E));
      elseif (na != (sb > E))
        c = 1 - 2 * na;
      else
        [differ, k] = max (A != B);
        c = differ * (2 * (A(k) > B(k)) - 1) * (1 - 2 * na);
      endif
      return;
    endif
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
