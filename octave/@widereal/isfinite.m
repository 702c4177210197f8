## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isfinite (@var{x})
## True where the widereal element is neither +Inf nor -Inf.
##
## @example
## isfinite (widereal ([1 -Inf]))   # [true false]
## @end example
## @end deftypefn
function tf = isfinite (x)
  tf = reshape (! wr_isinfw (x.w), x.sz);
endfunction
