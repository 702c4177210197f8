## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} diff (@var{x})
## @deftypefnx {} {@var{y} =} diff (@var{x}, @var{k})
## @deftypefnx {} {@var{y} =} diff (@var{x}, @var{k}, @var{dim})
## Differences of neighbouring elements of the widereal array @var{x}:
## @code{x(2) - x(1), x(3) - x(2), @dots{}} along @var{dim} (default: the
## first non-singleton dimension), repeated @var{k} times (default 1;
## @var{k} 0 returns @var{x}).  Sizes follow Octave's diff, including its
## rule for a @var{k} that reaches the length of the default dimension
## (the differences then go on along the next dimensions).  Inf - Inf
## raises @code{widefp:domain}.
##
## Rounding: every difference is rounded once to p words in the mode of
## @code{widereal_rounding}, so the first differences are correctly
## rounded; a difference of order k is k such steps, as with doubles.
## Complex @var{x}: the same for the real and the imaginary parts; the
## result is real when every imaginary part is zero, as in Octave.
##
## @example
## diff (widereal ([1 4 9 16]))      # [3 5 7]
## diff (widereal ([1 4 9 16]), 2)   # [2 2]
## @end example
## @seealso{sum, cumsum, widereal_rounding}
## @end deftypefn
function y = diff (x, k = 1, dim = [])
  if (! isobject (x))
    error ("widefp:type", "diff: X must be the widereal array");
  endif
  if (isempty (k))
    k = 1;
  endif
  if (! (isnumeric (k) && isscalar (k) && isreal (k) && k == fix (k)))
    error ("widefp:value", "diff: order K must be an integer");
  elseif (k < 0)
    error ("widefp:value", "diff: order K must be non-negative");
  endif
  k = double (k);
  sz = x.sz;
  if (! isempty (dim))
    if (! (isnumeric (dim) && isscalar (dim) && dim == fix (dim)
           && dim >= 1 && dim <= numel (sz)))
      error ("widefp:value", "diff: DIM must be a valid dimension");
    endif
    y = steps (x, k, double (dim));
    return;
  endif
  d = find (sz != 1, 1);
  if (isempty (d))
    d = 1;
  endif
  if (sz(d) > k)
    y = steps (x, k, d);
  elseif (sz(d) == 1)                       # a single element: 0x0
    y = wr_new (zeros (x.p + 1, 0, "uint64"), x.p, [0 0]);
  else
    ## as Octave: the length along d is used up, the rest of the order
    ## goes on along the next dimensions, each time from x itself
    y = x;
    nd = numel (sz);
    while (k > 0)
      if (d == nd + 1)
        y = steps (x, k, nd);
        k = 0;
      elseif (sz(d) == 1)
        d++;
      else
        y = steps (x, sz(d) - 1, d);
        k -= sz(d) - 1;
        d++;
      endif
    endwhile
  endif
endfunction

## k differences of x along dimension d, each rounded once.
function y = steps (x, k, d)
  y = x;
  for i = 1:k
    sz = y.sz;
    sz(end+1:d) = 1;
    n = sz(d);
    if (n == 0)
      break;
    endif
    I = reshape (1:prod (sz), sz);
    idx = repmat ({":"}, 1, numel (sz));
    idx{d} = 2:n;
    hi = I(idx{:});
    idx{d} = 1:n-1;
    lo = I(idx{:});
    w = y.w;
    if (rows (w) > y.p + 1)                  # complex: the parts one by one
      r = 1:y.p+1;
      i = y.p+2:rows (w);
      w = [wr_rnd("sub", [], y.p, w(r, hi(:)), w(r, lo(:))); wr_rnd("sub", [], y.p, w(i, hi(:)), w(i, lo(:)))];
    else
      w = wr_rnd ("sub", [], y.p, w(:, hi(:)), w(:, lo(:)));
    endif
    y = wr_new (w, y.p, size (hi));
  endfor
  y = wr_narrow (y);
endfunction

%!test
%! x = widereal ([1 4 9 16]);
%! assert (diff (x) == [3 5 7]);
%! assert (diff (x, 2) == [2 2]);
%! assert (diff (x, 0) == x);
%! assert (diff (x, [], 2) == [3 5 7]);
%! assert (size (diff (x, 1, 1)), [0 4]);
%! assert (size (diff (x, 9)), [1 0]);
%! m = widereal ([1 2; 4 8]);
%! assert (diff (m, 1, 2) == [1; 4]);
%! assert (diff (m) == [3 6]);
%! assert (diff (widereal (reshape (1:8, 2, 2, 2)), 1, 3) == 4 * ones (2, 2));
%! assert (size (diff (widereal (5))), [0 0]);
%!test
%! ## sizes and values as Octave's diff gives them, the order beyond the
%! ## length included
%! shapes = {[1 3], [3 1], [2 2], [2 3], [3 3], [0 3], [3 0], [2 2 2], ...
%!           [1 1 3], [2 1 3], [3 1 1 2]};
%! for s = shapes
%!   v = reshape ((1:prod (s{1})) .^ 2, s{1});
%!   for k = 0:5
%!     y = diff (widereal (v), k);
%!     assert (size (y), size (diff (v, k)));
%!     assert (all (y(:) == diff (v, k)(:)));
%!   endfor
%! endfor
%!test
%! ## a first difference rounded once, in every mode: 1 - 2^-200 at p = 1,
%! ## the exact text read in the same mode as the reference
%! u = "1606938044258990275541962092341162602522202993782792835301376";  # 2^200
%! x = widereal ([2^-200 1], 1);
%! for mode = {"nearest", "zero", "up", "down"}
%!   old = widereal_rounding (mode{1});
%!   unwind_protect
%!     assert (diff (x) == widereal (["1-1/" u], 1));
%!   unwind_protect_cleanup
%!     widereal_rounding (old);
%!   end_unwind_protect
%! endfor
%!error <non-negative> diff (widereal ([1 2]), -1)
%!error <DIM must be> diff (widereal ([1 2]), 1, 3)
%!error <Inf - Inf> diff (widereal ([Inf Inf]))
%!test # complex: the parts' differences; narrowed as Octave narrows
%! y = diff (complex (widereal ([1 4 9], 3), [2 2 5]));
%! assert (iscomplex (y) && isequal (double (y), [3, 5+3i]));
%! assert (isreal (diff (complex (widereal ([1 2], 3), [1 1]))));
