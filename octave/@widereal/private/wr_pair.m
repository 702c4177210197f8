## -*- texinfo -*-
## @deftypefn {} {[@var{A}, @var{B}, @var{p}, @var{sz}] =} wr_pair (@var{a}, @var{b})
## The words of two operands of an element-wise operation, ready to be
## combined column by column: either may be a widereal or a real numeric or
## logical array (converted exactly); both come at the larger precision
## @var{p} (the other extended with zero words) and broadcast to the common
## size @var{sz} by Octave's rules, so a size mismatch raises Octave's own
## @code{Octave:nonconformant-args} error.
##
## @example
## [A, B, p, sz] = wr_pair (x, 2);   # x's words and the words of 2
## @end example
## @end deftypefn
function [A, B, p, sz] = wr_pair (a, b)
  if (! isa (a, "widereal"))
    a = widereal (a, b.p);
  elseif (! isa (b, "widereal"))
    b = widereal (b, a.p);
  endif
  p = max (a.p, b.p);
  A = a.w;
  B = b.w;
  if (a.p < p)
    A(end+1:p+1, :) = 0;
  elseif (b.p < p)
    B(end+1:p+1, :) = 0;
  endif
  sa = a.sz;
  sb = b.sz;
  if (numel (sa) == numel (sb) && all (sa == sb))
    sz = sa;
  elseif (prod (sb) == 1)
    sz = sa;
    B = repmat (B, 1, prod (sa));
  elseif (prod (sa) == 1)
    sz = sb;
    A = repmat (A, 1, prod (sb));
  else
    ia = reshape (1:prod (sa), sa) + zeros (sb);   # Octave checks the sizes
    ib = zeros (sa) + reshape (1:prod (sb), sb);
    sz = size (ia);
    A = A(:, ia(:));
    B = B(:, ib(:));
  endif
endfunction
