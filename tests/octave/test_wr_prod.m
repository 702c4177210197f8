## Tests of wr_prod: products of groups of consecutive elements.
1;

%!test # two groups: 1.5 * 2 * -3 and 0.5 * 0.25 * 8
%! p = 2;
%! R = wr_zeros (2, p);
%! wr_prod (R, wr_fromdouble ([1.5 2 -3 0.5 0.25 8], p), 3, 2, p);
%! assert (wr_todoubles (R, p), [-9; 1]);

%!test # (1 + 2^-64) squared at p = 2: 1 + 2^-63 + 2^-128, all in the words
%! p = 2;
%! x = [uint64(4611686018427387903); 1; 0];
%! R = wr_zeros (1, p);
%! wr_prod (R, [x; x], 2, 1, p);
%! assert (R, [uint64(4611686018427387903); 2; 1]);

%!test # n = 1 copies
%! p = 3;
%! X = wr_fromdouble ([pi -2], p);
%! R = wr_zeros (2, p);
%! wr_prod (R, X, 1, 2, p);
%! assert (R, X);

%!error <expected 5 arguments> wr_prod (wr_zeros (1, 2), wr_zeros (2, 2), 2, 1, 2, 3)
%!error <holds 3 words, needs 6> wr_prod (wr_zeros (1, 2), wr_zeros (1, 2), 2, 1, 2)
%!error <count.*outside> wr_prod (wr_zeros (1, 2), wr_zeros (2, 2), 2, -1, 2)
%!error <p.*outside 2..> wr_prod (wr_zeros (1, 1), wr_zeros (2, 1), 2, 1, 1)

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! R = wr_fromdouble (5, p);
%! X = wr_fromdouble ([3 4], p);
%! try
%!   wr_prod (R, X, 2, 1, 1);
%! end_try_catch
%! try
%!   wr_prod (R, X, 3, 1, p);
%! end_try_catch
%! assert (R, wr_fromdouble (5, p));
%! assert (X, wr_fromdouble ([3 4], p));
%! wr_prod (R, X, 2, 1, p);
%! assert (wr_todouble (R), 12);
