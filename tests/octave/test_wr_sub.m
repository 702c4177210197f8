## Tests of wr_sub: one difference rounded to nearest.
1;

%!test
%! p = 2;
%! C = wr_zeros (1, p);
%! wr_sub (C, wr_fromdouble (1.5, p), wr_fromdouble (2.75, p), p);
%! assert (C, wr_fromdouble (-1.25, p));

%!test # 1 - 2^-200 at p = 2 rounds to 1 (truncation would give 1 - 2^-129)
%! p = 2;
%! bias = uint64 (4611686018427387903);
%! C = wr_zeros (1, p);
%! wr_sub (C, [bias; 0; 0], [bias - 200; 0; 0], p);
%! assert (C, [bias; 0; 0]);

%!test # 1 - 2^-130 at p = 1 is a tie below 1: ties to even keeps 1
%! bias = uint64 (4611686018427387903);
%! C = wr_zeros (1, 1);
%! wr_sub (C, [bias; 0], [bias - 66; 0], 1);
%! assert (C, [bias; 0]);

%!test # x - x = +0
%! p = 3;
%! C = wr_fromdouble (1, p);
%! x = wr_fromdouble (pi, p);
%! wr_sub (C, x, x, p);
%! assert (C(1), uint64 (0));

%!error <expected 4 arguments> wr_sub (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2), 2, 2)
%!error <A.*holds 2 words, needs 3> wr_sub (wr_zeros (1, 2), zeros (2, 1, "uint64"), wr_zeros (1, 2), 2)
%!error <p.*outside> wr_sub (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2), -1)

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! C = wr_fromdouble (1, p);
%! A = wr_fromdouble (3, p);
%! try
%!   wr_sub (C(1:2), A, A, p);
%! end_try_catch
%! try
%!   wr_sub (C, A, A, -1);
%! end_try_catch
%! assert (C, wr_fromdouble (1, p));
%! assert (A, wr_fromdouble (3, p));
%! wr_sub (C, A, wr_fromdouble (0.5, p), p);
%! assert (wr_todouble (C), 2.5);
