## -*- texinfo -*-
## @deftypefn  {} {@var{d} =} dot (@var{a}, @var{b})
## @deftypefnx {} {@var{d} =} dot (@var{a}, @var{b}, @var{dim})
## Dot product of two vectors with the same number of elements, or the dot
## products of two arrays of one size along @var{dim} (default: the first
## dimension that is not 1).  Operands and precision as for @code{plus}.
##
## Rounding: one call of the gateway wr_rnd_reduce: the products and their
## sum are formed at q = p+2 words (at most 1023), each step truncated, and
## each dot product is rounded once to p words in the mode of
## @code{widereal_rounding}.  Before that rounding a dot product of n terms
## is within n u / (1 - n u) sum |x_i y_i| of the exact one, u = 2^(-64q),
## so it is correctly rounded unless the exact value lies this close to a
## rounding boundary; when no terms cancel that distance is below
## 2 n 2^(-64(q-p)) units of the last place (n 2^-127 units for q = p+2).
## 0 * Inf and Inf - Inf raise @code{widefp:domain}.
##
## Complex operands: sum (conj (a) .* b), each part one real dot product
## of twice the length (ar.br + ai.bi, ar.bi - ai.br), rounded as above.
##
## @example
## dot (widereal ([1 2 3]), [4; 5; 6])   # 32
## @end example
## @seealso{mtimes, sum, widereal_rounding}
## @end deftypefn
function d = dot (a, b, dim = [])
  if (iscx (a) || iscx (b))                 # complex: sum (conj (a) .* b)
    d = cxdot (a, b, dim);
    return;
  endif
  [x, y, p, sa, sb] = wr_operands (a, b, false);
  [~, m] = widereal_rounding ();
  n = columns (x);
  if (isempty (dim) && numel (sa) == 2 && numel (sb) == 2
      && min (sa) <= 1 && min (sb) <= 1)     # two vectors
    if (columns (y) != n)
      error ("Octave:nonconformant-args", "dot: sizes of X and Y must match");
    endif
    d = wr_new (wr_rnd_reduce ("dot", m, p, x, y, n, 1), p, [1 1]);
    return;
  endif
  if (numel (sa) != numel (sb) || any (sa != sb))
    error ("Octave:nonconformant-args", "dot: sizes of X and Y must match");
  endif
  [X, osz, len] = wr_groups (wr_new (x, p, sa), dim);
  Y = wr_groups (wr_new (y, p, sb), dim);
  d = wr_new (wr_rnd_reduce ("dot", m, p, X, Y, len, prod (osz)), p, osz);
endfunction

function tf = iscx (v)
  if (isobject (v))
    tf = rows (v.w) > v.p + 1;
  else
    tf = isnumeric (v) && ! isreal (v);
  endif
endfunction

## Each part of sum (conj (a) .* b) is one real dot product of twice the
## length, correctly rounded: re = ar.br + ai.bi, im = ar.bi - ai.br.
function d = cxdot (a, b, dim)
  if (! isobject (a))
    a = widereal (a, b.p);
  endif
  if (! isobject (b))
    b = widereal (b, a.p);
  endif
  sa = size (a);
  sb = size (b);
  if (isempty (dim) && numel (sa) == 2 && numel (sb) == 2
      && min (sa) <= 1 && min (sb) <= 1)     # two vectors
    if (prod (sa) != prod (sb))
      error ("Octave:nonconformant-args", "dot: sizes of X and Y must match");
    endif
    a = reshape (a, [], 1);
    b = reshape (b, [], 1);
    dim = 1;
  elseif (numel (sa) != numel (sb) || any (sa != sb))
    error ("Octave:nonconformant-args", "dot: sizes of X and Y must match");
  elseif (isempty (dim))
    dim = find (sa != 1, 1);
    if (isempty (dim))
      dim = 1;
    endif
  endif
  ar = real (a);
  ai = imag (a);
  br = real (b);
  bi = imag (b);
  d = complex (dot (cat (dim, ar, ai), cat (dim, br, bi), dim),
               dot (cat (dim, ar, -ai), cat (dim, bi, br), dim));
  d = wr_narrow (d);
endfunction

%!test
%! assert (double (dot (widereal ([1 2 3]), [4; 5; 6])), 32);
%! assert (double (dot (widereal ([1 2; 3 4]), [1 2; 3 4])), [10 20]);
%! assert (double (dot (widereal ([1 2; 3 4]), [1 2; 3 4], 2)), [5; 25]);
%! assert (double (dot (widereal ([1 Inf]), [2 3])), Inf);
%! assert (double (dot (widereal ([3 4], 1), [3 4])), 25);
%! assert (double (dot (widereal (zeros (1, 0)), zeros (1, 0))), 0);
%!assert (double (dot (widereal (reshape (1:8, 2, 2, 2)), ones (2, 2, 2), 3)), [6 10; 8 12])
%!error <must match> dot (widereal ([1 2 3]), [1 2])
%!error <0 \* Inf> dot (widereal ([0 1]), [Inf 2])
