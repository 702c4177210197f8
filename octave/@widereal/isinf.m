## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isinf (@var{x})
## True where the widereal element is +Inf or -Inf.
##
## @example
## isinf (widereal ([1 -Inf]))   # [false true]
## @end example
## @end deftypefn
function tf = isinf (x)
  if (rows (x.w) > x.p + 1)                 # complex: either part infinite
    [~, inf] = wr_conv ("special", x.p, reshape (x.w, x.p + 1, []));
    tf = reshape (any (reshape (inf, 2, []), 1), x.sz);
  else
    [~, inf] = wr_conv ("special", x.p, x.w);
    tf = reshape (inf, x.sz);
  endif
endfunction
