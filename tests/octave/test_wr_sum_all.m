## Tests of wr_sum_all: the sum of a whole element array.
1;

%!test # 1 + 2 + ... + 10
%! p = 2;
%! R = wr_zeros (1, p);
%! wr_sum_all (R, wr_fromdouble (1:10, p), 10, p);
%! assert (wr_todouble (R), 55);

%!test # count 1 and count 0 both copy X_0
%! p = 3;
%! X = wr_fromdouble ([-0.1 5], p);
%! for count = [0 1]
%!   R = wr_zeros (1, p);
%!   wr_sum_all (R, X, count, p);
%!   assert (R, X(1:p + 1));
%! end

%!test # alternating series that cancels exactly: 2^-70 - 2^-70 + 3
%! p = 2;
%! R = wr_zeros (1, p);
%! wr_sum_all (R, wr_fromdouble ([2^-70 -2^-70 3], p), 3, p);
%! assert (R, wr_fromdouble (3, p));

%!error <expected 4 arguments> wr_sum_all (wr_zeros (1, 2), wr_zeros (2, 2), 2)
%!error <holds 0 words, needs 3> wr_sum_all (wr_zeros (1, 2), zeros (0, 1, "uint64"), 0, 2)
%!error <holds 6 words, needs 9> wr_sum_all (wr_zeros (1, 2), wr_zeros (2, 2), 3, 2)
%!error <count.*outside> wr_sum_all (wr_zeros (1, 2), wr_zeros (2, 2), -1, 2)

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! R = wr_fromdouble (-1, p);
%! X = wr_fromdouble ([1 2], p);
%! try
%!   wr_sum_all (R, X, 3, p);
%! end_try_catch
%! assert (R, wr_fromdouble (-1, p));
%! assert (X, wr_fromdouble ([1 2], p));
%! wr_sum_all (R, X, 2, p);
%! assert (wr_todouble (R), 3);
