## Tests of wr_scale: every element times one number.
1;

%!test
%! p = 2;
%! R = wr_zeros (4, p);
%! wr_scale (R, wr_fromdouble ([1 2 3 -4], p), wr_fromdouble (0.5, p), 4, p);
%! assert (wr_todoubles (R, p), [0.5; 1; 1.5; -2]);

%!test # 1/3 truncated (fraction 0101...) times 3: just below 1, all fraction words ones
%! p = 3;
%! third = [uint64(4611686018427387901); repmat(uint64(6148914691236517205), p, 1)];
%! R = wr_zeros (1, p);
%! wr_scale (R, third, wr_fromdouble (3, p), 1, p);
%! assert (R, [uint64(4611686018427387902); repmat(intmax("uint64"), p, 1)]);

%!test # count 0 writes nothing
%! p = 2;
%! R = wr_fromdouble (9, p);
%! wr_scale (R, wr_fromdouble (1, p), wr_fromdouble (2, p), 0, p);
%! assert (R, wr_fromdouble (9, p));

%!error <expected 5 arguments> wr_scale (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2), 1)
%!error <holds 3 words, needs 6> wr_scale (wr_zeros (1, 2), wr_zeros (2, 2), wr_zeros (1, 2), 2, 2)
%!error <s.*holds 2 words, needs 3> wr_scale (wr_zeros (1, 2), wr_zeros (1, 2), zeros (2, 1, "uint64"), 1, 2)
%!error <count.*outside> wr_scale (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2), -1, 2)
%!error <p.*outside 2..> wr_scale (wr_zeros (1, 1), wr_zeros (1, 1), wr_zeros (1, 1), 1, 1)

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! R = wr_fromdouble ([8 8], p);
%! X = wr_fromdouble ([1 2], p);
%! try
%!   wr_scale (R, X, wr_fromdouble (3, p), 3, p);
%! end_try_catch
%! assert (R, wr_fromdouble ([8 8], p));
%! assert (X, wr_fromdouble ([1 2], p));
%! wr_scale (R, X, wr_fromdouble (3, p), 2, p);
%! assert (wr_todoubles (R, p), [3; 6]);
