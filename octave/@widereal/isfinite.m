## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isfinite (@var{x})
## True where the widereal element is neither +Inf nor -Inf.
##
## @example
## isfinite (widereal ([1 -Inf]))   # [true false]
## @end example
## @end deftypefn
function tf = isfinite (x)
  [~, inf] = wr_special (x.w);
  tf = reshape (! inf, x.sz);
endfunction
