## Tests of wr_matmul: C = A*B with A by rows, B and C by columns.
1;

%!test # [1 2 3; 4 5 6] * [7 8; 9 10; 11 12] = [58 64; 139 154]
%! p = 2;
%! A = [1 2 3; 4 5 6];
%! B = [7 8; 9 10; 11 12];
%! C = wr_zeros (4, p);
%! wr_matmul (C, wr_fromdouble (A.'(:), p), wr_fromdouble (B(:), p), 2, 3, 2, p, wr_zeros (1, p));
%! assert (reshape (wr_todoubles (C, p), 2, 2), A * B);

%!test # integer matrices agree with Octave's product; wr_byrows gives A's layout
%! p = 3;
%! A = magic (4)(:, 1:3);
%! B = [1 -2; 0 3; 5 1];
%! C = wr_zeros (8, p);
%! wr_matmul (C, wr_byrows (wr_fromdouble (A, p), 4, 3, p), wr_fromdouble (B, p), 4, 3, 2, p, wr_zeros (1, p));
%! assert (reshape (wr_todoubles (C, p), 4, 2), A * B);

%!test # wr_byrows and its inverse
%! p = 1;
%! w = wr_fromdouble (reshape (1:6, 2, 3), p);
%! r = wr_byrows (w, 2, 3, p);
%! assert (wr_todoubles (r, p), [1; 3; 5; 2; 4; 6]);
%! assert (wr_byrows (r, 3, 2, p), w);

%!test # k = 0 clears C
%! p = 2;
%! C = wr_fromdouble ([1 2 3 4], p);
%! wr_matmul (C, wr_zeros (0, p), wr_zeros (0, p), 2, 0, 2, p, wr_zeros (1, p));
%! assert (C, zeros (4 * (p + 1), 1, "uint64"));

%!error <expected 8 arguments> wr_matmul (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2), 1, 1, 1, 2)
%!error <C.*holds 9 words, needs 12> wr_matmul (wr_zeros (3, 2), wr_zeros (6, 2), wr_zeros (6, 2), 2, 3, 2, 2, wr_zeros (1, 2))
%!error <A.*holds 15 words, needs 18> wr_matmul (wr_zeros (4, 2), wr_zeros (5, 2), wr_zeros (6, 2), 2, 3, 2, 2, wr_zeros (1, 2))
%!error <B.*holds 15 words, needs 18> wr_matmul (wr_zeros (4, 2), wr_zeros (6, 2), wr_zeros (5, 2), 2, 3, 2, 2, wr_zeros (1, 2))
%!error <t.*holds 0 words, needs 3> wr_matmul (wr_zeros (4, 2), wr_zeros (6, 2), wr_zeros (6, 2), 2, 3, 2, 2, wr_zeros (0, 2))
%!error <m.*outside> wr_matmul (wr_zeros (4, 2), wr_zeros (6, 2), wr_zeros (6, 2), -2, 3, 2, 2, wr_zeros (1, 2))
%!error <k.*outside> wr_matmul (wr_zeros (4, 2), wr_zeros (6, 2), wr_zeros (6, 2), 2, -3, 2, 2, wr_zeros (1, 2))
%!error <p.*outside 2..> wr_matmul (wr_zeros (4, 1), wr_zeros (6, 1), wr_zeros (6, 1), 2, 3, 2, 1, wr_zeros (1, 1))

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! C = wr_fromdouble ([5 5 5], p);
%! A = wr_fromdouble ([1 2 3 4], p);
%! try
%!   wr_matmul (C, A, A, 2, 2, 2, p, wr_zeros (1, p));   # C holds 3 of 4 elements
%! end_try_catch
%! assert (C, wr_fromdouble ([5 5 5], p));
%! assert (A, wr_fromdouble ([1 2 3 4], p));
%! C = wr_zeros (4, p);
%! wr_matmul (C, A, A, 2, 2, 2, p, wr_zeros (1, p));
%! assert (reshape (wr_todoubles (C, p), 2, 2), [1 2; 3 4] * [1 3; 2 4]);
