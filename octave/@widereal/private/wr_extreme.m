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
  if (numel (args) == 1 && (iscx (x) || iscx (args{1})))
    [xr, xi, yr, yi, p, sz] = wr_cxoperands (x, args{1});
    n = columns (xr);
    if (isempty (xi))
      xi = wr_conv ("fromnum", p, zeros (1, n));
    endif
    if (isempty (yi))
      yi = wr_conv ("fromnum", p, zeros (1, n));
    endif
    ## by the moduli only, the first operand kept on a tie (as Octave's
    ## max and min of two complex operands)
    ma = wr_cxkeys (wr_new ([xr; xi], p, sz));
    mb = wr_cxkeys (wr_new ([yr; yi], p, sz));
    c = wr_order ("cmp", ma.w, p, mb.w, p);
    take_b = c < 0;
    if (! largest)
      take_b = c > 0;
    endif
    A = [xr; xi];
    B = [yr; yi];
    A(:, take_b(:)) = B(:, take_b(:));
    y = wr_narrow (wr_new (A, p, sz));
    i = [];
    return;
  elseif (numel (args) == 1)
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
  if (rows (x.w) > x.p + 1)                 # complex: ranks in Octave's order
    R = reshape (wr_cxrank (x), 1, []);
    if (largest)
      [~, I] = max (reshape (R(k), len, []), [], 1);
    else
      [~, I] = min (reshape (R(k), len, []), [], 1);
    endif
    y = wr_narrow (wr_index (x, reshape (k(I + len * (0:numel (I) - 1)), osz)));
    i = reshape (I, osz);
    return;
  endif
  I = wr_order ("extreme", G, x.p, len, prod (osz), largest);
  y = wr_index (x, reshape (k(I + len * (0:numel (I) - 1)), osz));
  i = reshape (I, osz);
endfunction

function tf = iscx (v)
  if (isobject (v))
    tf = rows (v.w) > v.p + 1;
  else
    tf = isnumeric (v) && ! isreal (v);
  endif
endfunction
