## Tests of wr_dot: dot product of the two halves of an element array.
1;

%!test # (1, 2, 3) . (4, 5, 6) = 32
%! p = 2;
%! r = wr_zeros (1, p);
%! wr_dot (r, wr_fromdouble ([1 2 3 4 5 6], p), 3, p, wr_zeros (1, p));
%! assert (wr_todouble (r), 32);

%!test # cancellation beyond double precision: 1*1 + 2^-90*1 - 1*1 = 2^-90 exactly
%! p = 2;
%! r = wr_zeros (1, p);
%! wr_dot (r, wr_fromdouble ([1 2^-90 -1 1 1 1], p), 3, p, wr_zeros (1, p));
%! assert (r, wr_fromdouble (2^-90, p));

%!test # n = 0: +0 with every word cleared
%! p = 2;
%! r = wr_fromdouble (5, p);
%! r(2) = 77;
%! wr_dot (r, wr_zeros (1, p), 0, p, wr_zeros (1, p));
%! assert (r, zeros (p + 1, 1, "uint64"));

%!error <expected 5 arguments> wr_dot (wr_zeros (1, 2), wr_zeros (2, 2), 1, 2)
%!error <V.*holds 9 words, needs 12> wr_dot (wr_zeros (1, 2), wr_zeros (3, 2), 2, 2, wr_zeros (1, 2))
%!error <t.*holds 2 words, needs 3> wr_dot (wr_zeros (1, 2), wr_zeros (2, 2), 1, 2, zeros (2, 1, "uint64"))
%!error <n.*outside> wr_dot (wr_zeros (1, 2), wr_zeros (2, 2), -1, 2, wr_zeros (1, 2))
%!error <p.*outside 2..> wr_dot (wr_zeros (1, 1), wr_zeros (2, 1), 1, 1, wr_zeros (1, 1))

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! r = wr_fromdouble (4, p);
%! V = wr_fromdouble ([1 2 3], p);
%! try
%!   wr_dot (r, V, 2, p, wr_zeros (1, p));
%! end_try_catch
%! assert (r, wr_fromdouble (4, p));
%! assert (V, wr_fromdouble ([1 2 3], p));
%! wr_dot (r, [V; wr_fromdouble(10, p)], 2, p, wr_zeros (1, p));
%! assert (wr_todouble (r), 23);
