## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isfinite (@var{x})
## True where the widereal element is neither +Inf nor -Inf.
##
## @example
## isfinite (widereal ([1 -Inf]))   # [true false]
## @end example
## @end deftypefn
function tf = isfinite (x)
  if (rows (x.w) > x.p + 1)                 # complex: both parts finite
    [~, inf] = wr_conv ("special", x.p, reshape (x.w, x.p + 1, []));
    tf = reshape (! any (reshape (inf, 2, []), 1), x.sz);
  else
    [~, inf] = wr_conv ("special", x.p, x.w);
    tf = reshape (! inf, x.sz);
  endif
endfunction
