## -*- texinfo -*-
## @deftypefn {} {[@var{y}, @var{i}] =} wr_extreme (@var{largest}, @var{x}, @var{args})
## The work of min (@var{largest} false) and max (true), with their
## argument forms: (x), (x, [], dim) reduce along a dimension and give the
## position of the first extreme element; (a, b) takes the element-wise
## extreme of two broadcast operands (widereal or numbers taken exactly).
## The gateway wr_order compares.
##
## @example
## [y, i] = wr_extreme (true, x, {});   # max (x)
## @end example
## @end deftypefn
function [y, i] = wr_extreme (largest, x, args)
  if (numel (args) == 1)
    [A, B, p, sz] = wr_operands (x, args{1});   # at the larger precision
    c = wr_order ("cmp", A, p, B, p);
    take_b = c > 0;
    if (largest)
      take_b = c < 0;
    endif
    A(:, take_b(:)) = B(:, take_b(:));
    y = wr_new (A, p, sz);
    i = [];
    return;
  endif
  name = "min";
  if (largest)
    name = "max";
  endif
  if (numel (args) == 2)                    # (x, b, dim): b is ignored, as
    if (! isempty (args{1}))                # Octave does
      warning ("%s: second argument is ignored", name);
    endif
    dim = args{2};
    if (! (isnumeric (dim) && isreal (dim) && isscalar (dim)
           && dim == fix (dim) && dim >= 1))
      error ("%s: DIM must be a valid dimension", name);
    endif
    dim = double (dim);
    if (! isobject (x))              # a widereal b only: Octave's own
      [y, i] = builtin (name, x, [], dim);
      return;
    endif
  endif
  if (! isobject (x))
    error ("widefp:type", "min/max: the array to reduce must be the first");
  endif
  sz = x.sz;
  if (numel (args) != 2)
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
  [G, osz, len, k] = wr_groups (x, dim);
  I = wr_order ("extreme", G, x.p, len, prod (osz), largest);
  y = wr_index (x, reshape (k(I + len * (0:numel (I) - 1)), osz));
  i = reshape (I, osz);
endfunction
