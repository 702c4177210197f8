## Tests of wr_lu: LU factorisation with partial pivoting (matrices by rows).
1;

%!test # rows (0, 1) and (1, 0): row 1 is the pivot, L = U = identity
%! p = 2;
%! A = wr_fromdouble ([0 1 1 0], p);
%! idx = zeros (2, 1, "int64");
%! wr_lu (A, 2, 2, idx, p, wr_zeros (4, p));
%! assert (idx, int64 ([1; 0]));
%! assert (wr_todoubles (A, p), [1; 0; 0; 1]);

%!test # equal magnitudes of opposite sign: the upper one (-2) wins
%! p = 2;
%! A = wr_fromdouble ([1 -2 2], p);
%! idx = zeros (3, 1, "int64");
%! wr_lu (A, 3, 1, idx, p, wr_zeros (5, p));
%! assert (idx, int64 ([1; 0; 2]));
%! assert (wr_todoubles (A, p), [-2; -0.5; -1]);

%!test # P*A = L*U for a 3x3 matrix with exactly representable factors
%! p = 3;
%! A = [2 1 1; 4 3 3; 8 7 9];
%! F = wr_fromdouble (A.'(:), p);              # by rows
%! idx = zeros (3, 1, "int64");
%! wr_lu (F, 3, 3, idx, p, wr_zeros (5, p));
%! F = reshape (wr_todoubles (F, p), 3, 3).';
%! L = tril (F, -1) + eye (3);
%! U = triu (F);
%! assert (sort (idx), int64 ([0; 1; 2]));
%! assert (L * U, A(double (idx) + 1, :), 8 * eps);
%! assert (all (abs (L(:)) <= 1));

%!test # the Hilbert matrix of order 6: residual P*H - L*U at double level
%! p = 4;
%! n = 6;
%! F = wr_hilbert (n, p);
%! idx = zeros (n, 1, "int64");
%! wr_lu (F, n, n, idx, p, wr_zeros (n + 2, p));
%! F = reshape (wr_todoubles (F, p), n, n).';
%! L = tril (F, -1) + eye (n);
%! U = triu (F);
%! H = hilb (n);
%! assert (L * U, H(double (idx) + 1, :), 4 * eps);

%!error <expected 6 arguments> wr_lu (wr_zeros (4, 2), 2, 2, zeros (2, 1, "int64"), 2)
%!error <A.*holds 9 words, needs 12> wr_lu (wr_zeros (3, 2), 2, 2, zeros (2, 1, "int64"), 2, wr_zeros (4, 2))
%!error <index.*holds 1 words, needs 2> wr_lu (wr_zeros (4, 2), 2, 2, zeros (1, 1, "int64"), 2, wr_zeros (4, 2))
%!error <work.*holds 9 words, needs 12> wr_lu (wr_zeros (4, 2), 2, 2, zeros (2, 1, "int64"), 2, wr_zeros (3, 2))
%!error <m.*outside> wr_lu (wr_zeros (4, 2), -2, 2, zeros (2, 1, "int64"), 2, wr_zeros (4, 2))
%!error <p.*outside 2..> wr_lu (wr_zeros (4, 1), 2, 2, zeros (2, 1, "int64"), 1, wr_zeros (4, 1))

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! A = wr_fromdouble ([0 1 1 0], p);
%! idx = int64 ([7; 7]);
%! try
%!   wr_lu (A, 2, 2, idx, p, wr_zeros (3, p));   # work one element short
%! end_try_catch
%! assert (A, wr_fromdouble ([0 1 1 0], p));
%! assert (idx, int64 ([7; 7]));
%! wr_lu (A, 2, 2, idx, p, wr_zeros (4, p));
%! assert (idx, int64 ([1; 0]));
