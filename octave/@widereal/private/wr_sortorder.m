## -*- texinfo -*-
## @deftypefn {} {[@var{j}, @var{pos}] =} wr_sortorder (@var{x}, @var{dim}, @var{descend})
## Sorting of the widereal array @var{x} along dimension @var{dim}:
## @var{j} (size of x) holds the linear indices of the elements in sorted
## place, @var{pos} their positions along @var{dim}, as sort's second
## output.  Equal elements keep their order (also when descending).  The
## gateway wr_order sorts the runs along @var{dim} in one call.
##
## @example
## [j, pos] = wr_sortorder (x, 1, false);
## @end example
## @end deftypefn
function [j, pos] = wr_sortorder (x, dim, descend)
  [G, osz, len, k] = wr_groups (x, dim);
  P = wr_order ("sort", G, x.p, len, columns (G) / max (len, 1), descend);
  o = P + len * (0:columns (P) - 1);        # sorted places within G
  j = pos = zeros (x.sz);
  j(k) = k(o);
  pos(k) = P;
endfunction
