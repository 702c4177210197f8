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
  if (rows (x.w) > x.p + 1)                 # complex: ranks in Octave's order
    [j, pos] = cxorder (x, dim, descend);
    return;
  endif
  [G, osz, len, k] = wr_groups (x, dim);
  P = wr_order ("sort", G, x.p, len, columns (G) / max (len, 1), descend);
  o = P + len * (0:columns (P) - 1);        # sorted places within G
  j = pos = zeros (x.sz);
  j(k) = k(o);
  pos(k) = P;
endfunction

## the sort of ranks (wr_cxrank) along DIM by Octave's own sort, stable
function [j, pos] = cxorder (x, dim, descend)
  sz = x.sz;
  sz(end+1:dim) = 1;
  mode = "ascend";
  if (descend)
    mode = "descend";
  endif
  [~, pos] = sort (reshape (wr_cxrank (x), sz), dim, mode);
  stride = prod (sz(1:dim-1));
  along = reshape (1:sz(dim), [ones(1, dim-1), sz(dim), 1]);
  j = reshape (1:prod (sz), sz) + (pos - along) * stride;
endfunction
