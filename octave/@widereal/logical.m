## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} logical (@var{x})
## True where the widereal element is not zero (either sign).
##
## @example
## logical (widereal ([0 -0 2 -Inf]))   # [false false true true]
## @end example
## @end deftypefn
function tf = logical (x)
  tf = reshape (! wr_conv ("special", x.p, x.w), x.sz);
endfunction
