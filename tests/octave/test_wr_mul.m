## Tests of wr_mul: one product rounded to nearest.
1;

%!test
%! p = 2;
%! C = wr_zeros (1, p);
%! wr_mul (C, wr_fromdouble (1.5, p), wr_fromdouble (-0.75, p), p);
%! assert (C, wr_fromdouble (-1.125, p));

%!test # (1 + 2^-64)(1 + 2^-65 + 2^-128) at p = 2: the part below word 2 is more
%! ## than half a unit (2^-129 + 2^-192), so the last word rounds up to ...02
%! p = 2;
%! bias = uint64 (4611686018427387903);
%! C = wr_zeros (1, p);
%! wr_mul (C, [bias; 1; 0], [bias; 0; uint64(9223372036854775809)], p);
%! assert (C, [bias; 1; uint64(9223372036854775810)]);

%!test # an exact tie, (1 + 2^-64)(1 + 2^-65) = 1 + 2^-64 + 2^-65 + 2^-129 at p = 2:
%! ## the part below word 2 is exactly half a unit and the last word is even,
%! ## so it stays (the column product's guard word alone reads just above half)
%! p = 2;
%! bias = uint64 (4611686018427387903);
%! C = wr_zeros (1, p);
%! wr_mul (C, [bias; 1; 0], [bias; 0; uint64(9223372036854775808)], p);
%! assert (C, [bias; 1; uint64(9223372036854775808)]);
%! ## (1 + 3*2^-64)(1 + 2^-65): a tie after the odd word 2^63 + 1, which rounds up
%! wr_mul (C, [bias; 3; 0], [bias; 0; uint64(9223372036854775808)], p);
%! assert (C, [bias; 3; uint64(9223372036854775810)]);

%!error <expected 4 arguments> wr_mul (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2))
%!error <B.*holds 2 words, needs 3> wr_mul (wr_zeros (1, 2), wr_zeros (1, 2), zeros (2, 1, "uint64"), 2)
%!error <p.*outside 2..> wr_mul (wr_zeros (1, 1), wr_zeros (1, 1), wr_zeros (1, 1), 1)
%!error <p.*outside> wr_mul (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2), -2)

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! C = wr_fromdouble (1, p);
%! A = wr_fromdouble (3, p);
%! try
%!   wr_mul (C, A, A(1:2), p);
%! end_try_catch
%! assert (C, wr_fromdouble (1, p));
%! assert (A, wr_fromdouble (3, p));
%! wr_mul (C, A, A, p);
%! assert (wr_todouble (C), 9);
