## One array passed twice (Octave hands a plug-in the same data for one
## variable passed twice, or for a copy not yet written to): every plug-in
## either computes as if the arrays were distinct or raises widefp:alias.
## Also: counts must be scalars, index arrays int64.
1;

%!error <count.*real numeric scalar> wr_sum_all (wr_zeros (1, 2), wr_zeros (4, 2), [2 2], 2)
%!error <p.*real numeric scalar> wr_sum (wr_zeros (1, 2), wr_zeros (1, 2), 1, 1, [2 2])
%!error <index.*int64> wr_lu (wr_fromdouble ([1 2 3 4], 2), 2, 2, zeros (2, 1), 2, wr_zeros (4, 2))
%!error <index.*int64> wr_lu (wr_fromdouble ([1 2 3 4], 2), 2, 2, zeros (2, 1, "uint64"), 2, wr_zeros (4, 2))

## ---- overlap the computation allows: the results are as with distinct arrays
%!test # running sums and products in place, element-wise products, A*A
%! p = 2;
%! X = wr_fromdouble ([1 2 3 4 5 6], p);
%! wr_sum (X, X, 2, 3, p);                        # groups of 2 summed into X's first 3 elements
%! assert (wr_todoubles (X, p)(1:3), [3; 7; 11]);
%! X = wr_fromdouble ([1 2 3 4], p);
%! wr_prod (X, X, 2, 2, p);
%! assert (wr_todoubles (X, p)(1:2), [2; 12]);
%! X = wr_fromdouble ([1 2 3], p);
%! wr_sum_all (X, X, 3, p);
%! assert (wr_todouble (X), 6);
%! x = wr_fromdouble (1/3, p);
%! y = wr_zeros (1, p);
%! wr_mul (y, x, x, p);
%! wr_mul (x, x, x, p);
%! assert (x, y);
%! A = wr_fromdouble ([1 2 3 4], p);               # A*A' via wr_matmul (C, A, A, 2, 2, 2): A by rows = A' by columns
%! C = wr_zeros (4, p);
%! wr_matmul (C, A, A, 2, 2, 2, p, wr_zeros (1, p));
%! assert (wr_todoubles (C, p), [5; 11; 11; 25]);

%!test # wr_scale with the factor inside the result: the factor is read once
%! p = 2;
%! x = wr_fromdouble ([2 3 4], p);
%! wr_scale (x, x, x, 3, p);
%! assert (wr_todoubles (x, p), [4; 6; 8]);

%!test # wr_det with det inside A (here A itself, so the first element)
%! p = 2;
%! A = wr_fromdouble ([3 1 4 1], p);
%! wr_det (A, 2, p, A);
%! assert (wr_todouble (A), -1);

## ---- overlap the computation cannot allow: widefp:alias names both arguments
%!test
%! p = 2;
%! A = wr_fromdouble ([1 2 3 4], p);
%! B = A;                                            # a copy not yet written to shares A's data
%! V = wr_fromdouble ([1 2 3 4], p);
%! r = wr_zeros (1, p);
%! M = wr_fromdouble ([2 0 0 2 0 0 0 0], p);
%! calls = {@() wr_matmul (A, A, V, 2, 2, 2, p, r), "0 (C) and 1 (A)";
%!          @() wr_matmul (A, V, V, 2, 2, 2, p, A), "0 (C) and 7 (t)";
%!          @() wr_dot (r, V, 2, p, r), "0 (r) and 4 (t)";
%!          @() wr_dot (V, V, 2, p, r), "0 (r) and 1 (V)";
%!          @() wr_lu (A, 2, 2, zeros (2, 1, "int64"), p, A), "0 (A) and 5 (work)";
%!          @() wr_lu (A, 2, 2, zeros (2, 1, "int64"), p, B), "0 (A) and 5 (work)";
%!          @() wr_inv (M, 2, p, M), "0 (M) and 3 (work)";
%!          @() wr_solve (A, 2, 0, p, A), "0 (M) and 4 (work)";
%!          @() wr_qr (A, 2, 2, p, B, wr_zeros (4, p), 1, 0), "0 (A) and 4 (Q)";
%!          @() wr_qr (A, 2, 2, p, wr_zeros (4, p), B, 0, 1), "0 (A) and 5 (R)";
%!          @() wr_svd (A, 2, 2, p, wr_zeros (4, p), A, wr_zeros (4, p), 0, 0), "0 (A) and 5 (s)";
%!          @() wr_svd (A, 2, 2, p, B, wr_zeros (2, p), wr_zeros (4, p), 1, 0), "0 (A) and 4 (U)";
%!          @() wr_svd (wr_zeros (4, p), 2, 2, p, A, wr_zeros (2, p), B, 1, 1), "4 (U) and 6 (V)"};
%! for i = 1:rows (calls)
%!   try
%!     calls{i, 1} ();
%!     error ("call %d: no error", i);
%!   catch err
%!     assert (err.identifier, "widefp:alias", sprintf ("call %d: %s", i, err.message));
%!     assert (! isempty (strfind (err.message, calls{i, 2})), err.message);
%!   end_try_catch
%! end
%! assert (A, wr_fromdouble ([1 2 3 4], p));         # nothing was touched
%! assert (B, A);
%! assert (M, wr_fromdouble ([2 0 0 2 0 0 0 0], p));

## ---- U (and V) need no particular contents on entry
%!test
%! p = 3;
%! A = [4 1 2; 1 3 0; 2 0 5; 1 1 1];
%! a = wr_fromdouble (A.', p);
%! U = wr_fromdouble (1:12, p);                      # not zero: ones and more
%! V = wr_fromdouble (-(1:9), p);
%! s = wr_zeros (3, p);
%! wr_svd (a, 4, 3, p, U, s, V, 1, 1);
%! Ud = reshape (wr_todoubles (U, p), 3, 4).';
%! Vd = reshape (wr_todoubles (V, p), 3, 3).';
%! assert (Ud * diag (wr_todoubles (s, p)) * Vd', A, 1e-14);

## ---- scratch that cannot be had: widefp:memory, arguments untouched
%!error <no memory for .* scratch words> wr_qr (zeros (0, 1, "uint64"), 0, 2^31 - 1, 2^31 - 1, zeros (0, 1, "uint64"), zeros (0, 1, "uint64"), 0, 0)
