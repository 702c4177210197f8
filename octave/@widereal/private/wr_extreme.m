## -*- texinfo -*-
## @deftypefn {} {[@var{y}, @var{i}] =} wr_extreme (@var{largest}, @var{x}, @var{args})
## The work of min (@var{largest} false) and max (true), with their
## argument forms: (x), (x, [], dim) reduce along a dimension and give the
## position of the first extreme element; (a, b) takes the element-wise
## extreme of two broadcast operands (widereal or numbers taken exactly).
##
## @example
## [y, i] = wr_extreme (true, x, {});   # max (x)
## @end example
## @end deftypefn
function [y, i] = wr_extreme (largest, x, args)
  if (numel (args) == 1 || (numel (args) == 2 && ! isempty (args{1})))
    [c, sz, A, B, p] = wr_cmp (x, args{1});
    take_b = c > 0;
    if (largest)
      take_b = c < 0;
    endif
    A(:, take_b(:)) = B(:, take_b(:));
    y = wr_new (A, p, sz);
    i = [];
    return;
  endif
  if (! isa (x, "widereal"))
    error ("widefp:type", "min/max: the array to reduce must be the first");
  endif
  sz = x.sz;
  if (numel (args) == 2)
    dim = args{2};
    if (! (isnumeric (dim) && isreal (dim) && isscalar (dim) && dim == fix (dim)
           && dim >= 1))
      error ("Octave:invalid-input-arg", "%s: DIM must be a valid dimension",
             {"min", "max"}{1 + largest});
    endif
  else
    dim = find (sz != 1, 1);
    if (isempty (dim))
      dim = 1;
    endif
  endif
  sz(end+1:dim) = 1;
  if (any (sz == 0))                        # as Octave: a zero length stays
    sz(dim) = min (sz(dim), 1);
    y = wr_new (zeros (x.p + 1, 0, "uint64"), x.p, sz);
    i = zeros (sz);
    return;
  endif
  [j, pos] = wr_sortorder (x, dim, largest);
  first = repmat ({":"}, 1, numel (sz));
  first{dim} = 1;
  y = wr_index (x, j(first{:}));
  i = pos(first{:});
endfunction

%!error <max: DIM must be a valid dimension> max (widereal ([1 2]), [], "all")
%!error <min: DIM must be> min (widereal ([1 2]), [], 0)
