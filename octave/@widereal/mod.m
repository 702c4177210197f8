## -*- texinfo -*-
## @deftypefn {} {@var{r} =} mod (@var{x}, @var{y})
## Remainder @code{x - floor (x ./ y) .* y} with the sign of @var{y}, and
## @code{mod (x, 0) = x}, as Octave's @code{mod}; operands, precision and
## broadcasting as for @code{plus}.  Infinite operands raise
## @code{widefp:domain}.
##
## Rounding: the steps run with enough extra words to hold the quotient's
## integer part and its product with y exactly, so the remainder is formed
## exactly and then rounded once in the mode of @code{widereal_rounding}:
## it is exact whenever p words hold it, and correctly rounded otherwise
## (only when |x| < |y| with opposite signs, where it is x + y; a tiny such
## x may then round to y itself).  The extra words stop at 256 and at 1023
## words in all (the library's limit): where x/y exceeds 2^16384, or
## 2^(64(1023-p)), the result is within a unit of the last place of x.
##
## @example
## mod (widereal ([7 -7]), 3)                    # [1 2]
## mod (widereal ("2.5", 16), widereal ("1e-5", 16))   # 9.999...e-6, exact
## @end example
## @seealso{floor, fix}
## @end deftypefn
function r = mod (x, y)
  [xw, yw, p, sz] = wr_operands (x, y);
  E = 0x7fffffffffffffffu64;
  ex = bitand (xw(1, :), E);
  ey = bitand (yw(1, :), E);
  if (any (ex == E | ey == E))
    error ("widefp:domain", "mod: infinite operands have no remainder");
  endif
  n = columns (xw);
  zero = ey == 0;
  yw(:, zero) = repmat ([0x3fffffffffffffffu64; zeros(p, 1, "uint64")], 1, nnz (zero));
  ey(zero) = 0x3fffffffffffffffu64;           # any divisor; replaced below
  ## exponents differ by at most 2^63: int64 holds both, a double their gap
  k = ex != 0;
  span = max ([0, abs(double (int64 (ex(k))) - double (int64 (ey(k))))]);
  q = min (p + min (ceil ((span + 3) / 64), 256), 1023);
  lift = @(w) wr_new (wr_rnd ("prec", 0, q, w, p), q, [1 n]);
  X = lift (xw);
  Y = lift (yw);
  R = X - floor (X ./ Y) .* Y;
  ## the floor of the rounded quotient may be one off either way: bring R
  ## into [0, y) or (y, 0]
  negy = bitand (Y.w(1, :), 0x8000000000000000u64) != 0;
  negr = bitand (R.w(1, :), 0x8000000000000000u64) != 0;
  k = bitand (R.w(1, :), E) != 0 & negr != negy;
  R.w(:, k) = plus (wr_new (R.w(:, k), q, [1 nnz(k)]), wr_new (Y.w(:, k), q, [1 nnz(k)])).w;
  k = ! (abs (R) < abs (Y))(:).';
  R.w(:, k) = minus (wr_new (R.w(:, k), q, [1 nnz(k)]), wr_new (Y.w(:, k), q, [1 nnz(k)])).w;
  [~, m] = widereal_rounding ();
  w = wr_rnd ("prec", m, p, R.w, q);
  w(:, zero) = xw(:, zero);
  r = wr_new (w, p, sz);
endfunction

%!test
%! assert (double (mod (widereal ([7 -7 7 -7 6 0]), [3 3 -3 -3 3 5])), [1 2 -2 -1 0 0]);
%! assert (double (mod (widereal (5.5), 0)), 5.5);
%! t = widereal ("1/3", 2);
%! r = mod (widereal (10, 2), t);          # 10 - 30 t, tiny and not negative
%! assert (double (r) >= 0 && double (r) < 1e-36);
%! assert (double (mod (widereal (2^80, 2) + 5, 7)), 2);   # 2^80 = 4 (mod 7)
%!test
%! ## exact remainders where x/y is a hair off a whole number (mpmath):
%! ## the floor of the truncated quotient was a whole y off, or x's last
%! ## place lost all digits
%! x = widereal ("2.5", 8);
%! r = mod (x, widereal ("1e-5", 8));
%! assert (double (r) / 4.3974347817012937708e-155, 1, 1e-15);
%! y = widereal ("1e-5", 16);
%! r = mod (widereal ("2.5", 16), y);
%! assert (r > y / 2 && r < y);
%!error <infinite> mod (widereal (Inf), 2)
