## Tests of wr_solve: A*X = B in an n x (n+r) array by rows.
1;

%!test # Hilbert system of order 8 with b = H * ones: the solution is ones
%! p = 4;
%! n = 8;
%! H = wr_hilbert (n, p);
%! b = wr_zeros (n, p);
%! wr_sum (b, H, n, n, p);
%! M = zeros (p + 1, n + 1, n, "uint64");
%! M(:, 1:n, :) = reshape (H, p + 1, n, n);
%! M(:, n + 1, :) = reshape (b, p + 1, 1, n);
%! M = M(:);
%! wr_solve (M, n, 1, p, wr_zeros (2, p));
%! x = reshape (reshape (M, p + 1, n + 1, n)(:, n + 1, :), [], 1);
%! assert (wr_todoubles (x, p), ones (n, 1));
%! assert (wr_digits (x, ones (n, 1), p) > 60);

%!test # three right-hand sides: [2 1; 1 3] X = [5 1 0; 10 2 1]
%! p = 2;
%! M = wr_byrows (wr_fromdouble ([2 1 5 1 0; 1 3 10 2 1], p), 2, 5, p);
%! wr_solve (M, 2, 3, p, wr_zeros (2, p));
%! V = reshape (wr_todoubles (M, p), 5, 2).';
%! assert (V, [2 1 1 0.2 -0.2; 0 2.5 3 0.6 0.4], eps);

%!test # r = 0 only triangularises
%! p = 2;
%! M = wr_fromdouble ([1 2 3 4], p);
%! wr_solve (M, 2, 0, p, wr_zeros (2, p));
%! assert (wr_todoubles (M, p), [3; 4; 0; 2 - 4 / 3], 4 * eps);

%!test # n = 1
%! p = 2;
%! M = wr_fromdouble ([4 2 -1], p);
%! wr_solve (M, 1, 2, p, wr_zeros (2, p));
%! assert (wr_todoubles (M, p), [4; 0.5; -0.25]);

%!error <expected 5 arguments> wr_solve (wr_zeros (6, 2), 2, 1, 2)
%!error <M.*holds 15 words, needs 18> wr_solve (wr_zeros (5, 2), 2, 1, 2, wr_zeros (2, 2))
%!error <work.*holds 3 words, needs 6> wr_solve (wr_zeros (6, 2), 2, 1, 2, wr_zeros (1, 2))
%!error <r.*outside> wr_solve (wr_zeros (6, 2), 2, -1, 2, wr_zeros (2, 2))
%!error <p.*outside 2..> wr_solve (wr_zeros (6, 1), 2, 1, 1, wr_zeros (2, 1))

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! M = wr_fromdouble ([2 4], p);
%! try
%!   wr_solve (M, 1, 2, p, wr_zeros (2, p));
%! end_try_catch
%! assert (M, wr_fromdouble ([2 4], p));
%! wr_solve (M, 1, 1, p, wr_zeros (2, p));
%! assert (wr_todoubles (M, p), [2; 2]);
