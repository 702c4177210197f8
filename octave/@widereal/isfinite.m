## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isfinite (@var{x})
## True where the widereal element is neither +Inf nor -Inf.
##
## @example
## isfinite (widereal ([1 -Inf]))   # [true false]
## @end example
## @end deftypefn
function tf = isfinite (x)
  [~, inf] = wr_conv ("special", x.p, x.w);
  tf = reshape (! inf, x.sz);
endfunction
