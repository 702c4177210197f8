## -*- texinfo -*-
## @deftypefn {} {@var{r} =} mod (@var{x}, @var{y})
## Remainder @code{x - floor (x ./ y) .* y} with the sign of @var{y}, and
## @code{mod (x, 0) = x}, as Octave's @code{mod}; operands, precision and
## broadcasting as for @code{plus}.  The quotient's floor is corrected by
## one where the truncated quotient misplaced it, so the result lies in
## [0, y) or (y, 0]; it is exact when @code{floor (x ./ y) .* y} is,
## otherwise within a unit of the last place of x.  Infinite operands raise
## @code{widefp:domain}.
##
## @example
## mod (widereal ([7 -7]), 3)   # [1 2]
## @end example
## @seealso{floor, fix}
## @end deftypefn
function r = mod (x, y)
  [xw, yw, p, sz] = wr_operands (x, y);
  E = 0x7fffffffffffffffu64;
  if (any (bitand ([xw(1, :), yw(1, :)], E) == E))
    error ("widefp:domain", "mod: infinite operands have no remainder");
  endif
  X = wr_new (xw, p, sz);
  Y = wr_new (yw, p, sz);
  zero = bitand (yw(1, :), E) == 0;
  Y.w(1, zero) = 0x3fffffffffffffffu64;       # any divisor; replaced below
  r = X - floor (X ./ Y) .* Y;
  ## bring r into [0, y) or (y, 0]
  negy = bitand (Y.w(1, :), 0x8000000000000000u64) != 0;
  negr = bitand (r.w(1, :), 0x8000000000000000u64) != 0;
  nzr = bitand (r.w(1, :), E) != 0;
  k = nzr & negr != negy;
  r.w(:, k) = plus (wr_new (r.w(:, k), p, [1 nnz(k)]), wr_new (Y.w(:, k), p, [1 nnz(k)])).w;
  k = ! (abs (r) < abs (Y))(:).';
  r.w(:, k) = minus (wr_new (r.w(:, k), p, [1 nnz(k)]), wr_new (Y.w(:, k), p, [1 nnz(k)])).w;
  r.w(:, zero) = xw(:, zero);
endfunction

%!test
%! assert (double (mod (widereal ([7 -7 7 -7 6 0]), [3 3 -3 -3 3 5])), [1 2 -2 -1 0 0]);
%! assert (double (mod (widereal (5.5), 0)), 5.5);
%! t = widereal ("1/3", 2);
%! r = mod (widereal (10, 2), t);          # 10 - 30 t, tiny and not negative
%! assert (double (r) >= 0 && double (r) < 1e-36);
%! assert (double (mod (widereal (2^80, 2) + 5, 7)), 2);   # 2^80 = 4 (mod 7)
%!error <infinite> mod (widereal (Inf), 2)
