## -*- texinfo -*-
## @deftypefn {} {@var{C} =} mtimes (@var{A}, @var{B})
## Matrix product @code{@var{A} * @var{B}} (a scalar factor gives the
## element-wise product).  Operands and precision as for @code{plus}.
##
## One call of wr_matmul: every entry is accumulated from zero, left to
## right, each product and each sum truncated toward zero to p words.  At
## p = 1 the product is formed at p = 2 and rounded to nearest.  With an
## infinite entry the product is formed from element-wise operations, so
## 0 * Inf raises @code{widefp:domain} as in @code{times}.
##
## @example
## A = widereal ([1 2; 3 4]);
## A * A          # [7 10; 15 22]
## A * [1; 1]     # [3; 7]
## @end example
## @seealso{times, mldivide}
## @end deftypefn
function r = mtimes (a, b)
  if (isobject (a))                         # numel (a) would call a method
    na = columns (a.w);
  else
    na = numel (a);
  endif
  if (isobject (b))
    nb = columns (b.w);
  else
    nb = numel (b);
  endif
  if (na == 1 || nb == 1)
    r = times (a, b);
    return;
  endif
  [x, y, p, sa, sb] = wr_operands (a, b, false);
  if (numel (sa) > 2 || numel (sb) > 2)
    error ("Octave:nonconformant-args", "operator *: not defined for N-D arrays");
  elseif (sa(2) != sb(1))
    error ("Octave:nonconformant-args",
           "operator *: nonconformant arguments (op1 is %dx%d, op2 is %dx%d)",
           sa(1), sa(2), sb(1), sb(2));
  endif
  m = sa(1);
  k = sa(2);
  n = sb(2);
  E = 0x7fffffffffffffffu64;
  if (any (bitand ([x(1, :), y(1, :)], E) == E))
    ## outer products of columns and rows, with the checks of times and plus
    r = wr_new (zeros (p + 1, m * n, "uint64"), p, [m n]);
    for l = 1:k
      r = r + wr_new (x(:, (l-1)*m + (1:m)), p, [m 1]) ...
              .* wr_new (y(:, l:k:k*n), p, [1 n]);
    endfor
    return;
  endif
  q = max (p, 2);
  C = zeros (q + 1, m * n, "uint64");
  wr_matmul (C, wr_lift (x(:, wr_rowsidx (m, k)), p, q), wr_lift (y, p, q), ...
             m, k, n, q, zeros (q + 1, 1, "uint64"));
  C = wr_tidy (C);
  if (q > p)
    C = wr_roundwords (C, q, p);
  endif
  r = wr_new (C, p, [m n]);
endfunction

%!test
%! A = widereal ([1 2; 3 4]);
%! assert (double (A * A), [7 10; 15 22]);
%! assert (double (A * [1; 1]), [3; 7]);
%! assert (double ([1 1] * A), [4 6]);
%! assert (double (2 * A), [2 4; 6 8]);
%! assert (double ([A A] * widereal (-2)), -2 * [1 2 1 2; 3 4 3 4]);   # widereal scalars
%! assert (size (widereal (zeros (2, 0)) * zeros (0, 3)), [2 3]);
%! assert (double (widereal (zeros (2, 0)) * zeros (0, 3)), zeros (2, 3));
%! x = widereal ("1/3", 3) * ones (1, 3);
%! assert (double (x * ones (3, 1)), 1, 1e-55);
%! assert (double (widereal ([1 Inf]) * [2; 3]), Inf);
%! assert (double (widereal ([1 2; 3 4], 1) * widereal ([1; 1], 1)), [3; 7]);
%!error <nonconformant> widereal (ones (2, 3)) * ones (2, 3)
%!error <0 \* Inf> widereal ([0 Inf]) * [Inf; 0]
