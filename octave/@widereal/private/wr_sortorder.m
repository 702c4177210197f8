## -*- texinfo -*-
## @deftypefn {} {[@var{j}, @var{pos}] =} wr_sortorder (@var{x}, @var{dim}, @var{descend})
## Sorting of the widereal array @var{x} along dimension @var{dim}:
## @var{j} (size of x) holds the linear indices of the elements in sorted
## place, @var{pos} their positions along @var{dim}, as sort's second
## output.  Equal elements keep their order (also when descending).  Each
## slice is a group key before the element keys, so one sortrows does all.
##
## @example
## [j, pos] = wr_sortorder (x, 1, false);
## @end example
## @end deftypefn
function [j, pos] = wr_sortorder (x, dim, descend)
  sz = x.sz;
  sz(end+1:dim) = 1;
  m = sz(dim);
  perm = [dim, 1:dim-1, dim+1:numel(sz)];
  J = permute (reshape (1:prod (sz), sz), perm);
  psz = size (J);
  J = reshape (J, m, []);
  K = wr_keys (x.w(:, J(:)));
  if (descend)
    K = -K;
  endif
  g = repmat (1:columns (J), m, 1);
  [~, o] = sortrows ([g(:), K]);
  j = ipermute (reshape (J(o), psz), perm);
  pos = ipermute (reshape (mod (o - 1, max (m, 1)) + 1, psz), perm);
endfunction
