## -*- texinfo -*-
## @deftypefn {} {[@var{G}, @var{osz}, @var{len}, @var{k}] =} wr_groups (@var{x}, @var{dim}, @var{many})
## The words of the widereal array @var{x} ordered so that the runs along
## dimension @var{dim} (default: the first that is not 1) are groups of
## @var{len} consecutive columns, as the reducing gateways read them.  With
## @var{many} true, @var{dim} may also be a vector of distinct dimensions
## or @qcode{"all"}: the slices over those dimensions are the groups.
## @var{osz} is the size of a reduction's result (@var{x}'s size with 1 in
## dimension @var{dim}); @var{k} the column indices used, so that
## @code{W(:, k) = G} puts grouped words back in Octave's order.
##
## @example
## [G, osz, len] = wr_groups (x, 2);   # rows of a matrix as groups
## @end example
## @end deftypefn
function [G, osz, len, k] = wr_groups (x, dim, many = false)
  sz = x.sz;
  default = nargin < 2 || isempty (dim);
  if (many && ischar (dim) && strcmpi (dim, "all"))
    dim = 1:numel (sz);
  endif
  if (default)
    dim = find (sz != 1, 1);
    if (isempty (dim))
      dim = 1;
    endif
  elseif (! ((isscalar (dim) || (many && isvector (dim))) && ! ischar (dim)
             && all (dim == fix (dim) & dim >= 1)
             && (isscalar (dim) || numel (unique (dim)) == numel (dim))))
    error ("Octave:invalid-input-arg", "DIM must be a valid dimension");
  endif
  dim = double (dim(:).');
  sz(end+1:max (dim)) = 1;
  len = prod (sz(dim));
  osz = sz;
  osz(dim) = 1;
  if (default && isequal (sz, [0 0]))
    osz = [1 1];                             # as Octave: sum ([]) is 0, prod ([]) 1
  endif
  while (numel (osz) > 2 && osz(end) == 1)
    osz(end) = [];
  endwhile
  if (len == prod (sz))                      # already consecutive
    k = 1:len;
    G = x.w;
    return;
  endif
  k = permute (reshape (1:prod (sz), sz), [dim, setdiff(1:numel (sz), dim)]);
  k = k(:).';
  G = x.w(:, k);
endfunction
