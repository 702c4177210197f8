## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} logical (@var{x})
## True where the widereal element is not zero (either sign).
##
## @example
## logical (widereal ([0 -0 2 -Inf]))   # [false false true true]
## @end example
## @end deftypefn
function tf = logical (x)
  if (rows (x.w) > x.p + 1)                 # complex: either part nonzero
    tf = reshape (any (reshape (! wr_conv ("special", x.p,
                                           reshape (x.w, x.p + 1, [])), 2, []), 1), x.sz);
  else
    tf = reshape (! wr_conv ("special", x.p, x.w), x.sz);
  endif
endfunction
