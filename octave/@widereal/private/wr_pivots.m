## -*- texinfo -*-
## @deftypefn {} {@var{state} =} wr_pivots (@var{M}, @var{k}, @var{p})
## Judges the pivots of an elimination, the elements in columns @var{k} of
## the words @var{M} (precision @var{p}): 2 when one is zero (it was divided
## by: the results are infinite), 1 when the smallest lies more than
## 2^(8-64p) below the largest (singular to working precision, as Octave
## warns for doubles), 0 otherwise.  Compares exponent fields only.
##
## @example
## if (wr_pivots (M, diagonal, q) > 0) warning (...); endif
## @end example
## @end deftypefn
function state = wr_pivots (M, k, p)
  e = bitand (M(1, k), 0x7fffffffffffffffu64);
  state = 0;
  if (isempty (e))
    return;
  elseif (any (e == 0))
    state = 2;
  elseif (double (max (e) - min (e)) > 64 * p - 8)
    state = 1;
  endif
endfunction
