## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isinf (@var{x})
## True where the widereal element is +Inf or -Inf.
##
## @example
## isinf (widereal ([1 -Inf]))   # [false true]
## @end example
## @end deftypefn
function tf = isinf (x)
  [~, inf] = wr_conv ("special", x.p, x.w);
  tf = reshape (inf, x.sz);
endfunction
