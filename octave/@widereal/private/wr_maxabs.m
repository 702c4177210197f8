## -*- texinfo -*-
## @deftypefn {} {@var{k} =} wr_maxabs (@var{W})
## Index of the column of @var{W} (words of finite or infinite elements, one
## column per element, p+1 rows) of largest magnitude, the first of equal
## ones, found by the gateway wr_order.  Empty @var{W} gives [].
##
## @example
## k = wr_maxabs (x.w);
## @end example
## @end deftypefn
function k = wr_maxabs (W)
  k = wr_order ("maxabs", W, rows (W) - 1);
endfunction
