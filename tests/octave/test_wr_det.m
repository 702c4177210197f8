## Tests of wr_det: the determinant of an n x n matrix by rows.
1;

%!test # det of the Hilbert matrix of order 4 is 1/6048000
%! p = 3;
%! d = wr_zeros (1, p);
%! wr_det (wr_hilbert (4, p), 4, p, d);
%! assert (wr_todouble (d), 1 / 6048000, eps / 6048000);

%!test # identity 1; the exchange matrix -1 (one interchange)
%! p = 2;
%! d = wr_zeros (1, p);
%! wr_det (wr_fromdouble ([1 0 0 1], p), 2, p, d);
%! assert (d, wr_fromdouble (1, p));
%! d = wr_zeros (1, p);
%! wr_det (wr_fromdouble ([0 1 1 0], p), 2, p, d);
%! assert (d, wr_fromdouble (-1, p));

%!test # a zero first column gives zero in every word
%! p = 2;
%! d = wr_fromdouble (5, p);
%! wr_det (wr_fromdouble ([0 1 2 0 3 4 0 5 7], p), 3, p, d);
%! assert (d, zeros (p + 1, 1, "uint64"));

%!test # n = 1: the element unchanged; integer matrices: exact
%! p = 2;
%! x = [uint64(4611686018427387921); 12345; 678];
%! d = wr_zeros (1, p);
%! wr_det (x, 1, p, d);
%! assert (d, x);
%! A = [2 -1 0; -1 2 -1; 0 -1 2];
%! d = wr_zeros (1, p);
%! wr_det (wr_fromdouble (A, p), 3, p, d);
%! assert (wr_todouble (d), 4, 8 * eps);

%!error <expected 4 arguments> wr_det (wr_zeros (4, 2), 2, 2)
%!error <A.*holds 9 words, needs 12> wr_det (wr_zeros (3, 2), 2, 2, wr_zeros (1, 2))
%!error <det.*holds 0 words, needs 3> wr_det (wr_zeros (4, 2), 2, 2, wr_zeros (0, 2))
%!error <n.*outside> wr_det (wr_zeros (4, 2), -2, 2, wr_zeros (1, 2))
%!error <p.*outside 2..> wr_det (wr_zeros (4, 1), 2, 1, wr_zeros (1, 1))

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! A = wr_fromdouble ([3 1 4 1], p);
%! d = wr_fromdouble (9, p);
%! try
%!   wr_det (A, 3, p, d);
%! end_try_catch
%! assert (A, wr_fromdouble ([3 1 4 1], p));
%! assert (d, wr_fromdouble (9, p));
%! wr_det (A, 2, p, d);
%! assert (wr_todouble (d), -1);
