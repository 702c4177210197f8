## Tests of wr_qr: Householder QR factorisation in place.
1;

%!function [a, Q, R] = qr_of (A, p, qflag, rflag)
%!  [m, n] = size (A);
%!  a = wr_fromdouble (A.', p);
%!  Q = wr_zeros (m * n, p);
%!  R = wr_zeros (min (m, n) * n, p);
%!  wr_qr (a, m, n, p, Q, R, qflag, rflag);
%!endfunction

%!function M = by_rows (w, r, c, p)
%!  M = reshape (wr_todoubles (w, p)(1:r*c), c, r).';
%!endfunction

%!test # square and tall matrices: Q R = A and Q^T Q = I to double precision
%! rand ("state", 42);
%! for p = [2 4]
%!   for sz = {[3 3], [5 3], [6 6]}
%!     m = sz{1}(1); n = sz{1}(2);
%!     A = rand (m, n) - 0.5;
%!     [a, Qw, Rw] = qr_of (A, p, 1, 1);
%!     Q = by_rows (Qw, m, n, p);
%!     R = by_rows (Rw, n, n, p);
%!     assert (Q * R, A, 1e-14);
%!     assert (Q' * Q, eye (n), 1e-14);
%!     assert (tril (R, -1), zeros (n));
%!     ## |R| agrees with Octave's economy QR up to the signs of its rows
%!     [~, R0] = qr (A, 0);
%!     assert (abs (R), abs (R0), 1e-13);
%!   end
%! end

%!test # without the R flag the diagonal of A receives R's diagonal
%! p = 3; A = [4 1; 2 3; 1 1];
%! [a1, ~, Rw] = qr_of (A, p, 0, 1);
%! [a0, ~, ~] = qr_of (A, p, 0, 0);
%! R = by_rows (Rw, 2, 2, p);
%! a0d = by_rows (a0, 3, 2, p);
%! a1d = by_rows (a1, 3, 2, p);
%! assert (diag (a0d(1:2, :)), diag (R));
%! assert (triu (a0d(1:2, :), 1), triu (R, 1));
%! v1 = [a1d(1, 1), a1d(2, 2)];                  # first entries of the reflection vectors
%! assert (all (v1 >= 1 & v1 <= 2));
%! assert (tril (a1d, -1), tril (a0d, -1));

%!test # the 2x2 identity gives Q = -I and R = -I
%! p = 2;
%! [~, Qw, Rw] = qr_of (eye (2), p, 1, 1);
%! assert (by_rows (Qw, 2, 2, p), -eye (2));
%! assert (by_rows (Rw, 2, 2, p), -eye (2));
%! assert (Qw(1:3), wr_fromdouble (-1, p));      # all words of -1

%!test # a zero first column: R(0,0) = -0, Q(0,0) = 1, the reflection is skipped
%! p = 2; A = [0 1 2; 0 3 4; 0 5 7];
%! [a, Qw, Rw] = qr_of (A, p, 1, 1);
%! assert (Rw(1), uint64 (9223372036854775808));
%! assert (Qw(1:3), wr_fromdouble (1, p));
%! Q = by_rows (Qw, 3, 3, p); R = by_rows (Rw, 3, 3, p);
%! assert (Q * R, A, 1e-14);

%!test # flags: 0.9 counts as zero, -1 as set
%! p = 2; A = [3 1; 4 2];
%! a = wr_fromdouble (A.', p); Q = wr_zeros (4, p); R = wr_zeros (4, p);
%! wr_qr (a, 2, 2, p, Q, R, 0.9, 0.9);
%! assert (Q, wr_zeros (4, p));
%! assert (R, wr_zeros (4, p));
%! a = wr_fromdouble (A.', p);
%! wr_qr (a, 2, 2, p, Q, R, -1, -1);
%! assert (by_rows (Q, 2, 2, p) * by_rows (R, 2, 2, p), A, 1e-14);

%!test # Q and R may be placeholders when their flags are clear
%! p = 2; a = wr_fromdouble ([1 2; 3 4].', p);
%! wr_qr (a, 2, 2, p, uint64 (0), uint64 (0), 0, 0);
%! assert (by_rows (a, 2, 2, p)(1, 1), -sqrt (10), 1e-15);

## Bad arguments raise errors before anything is touched.
%!error <expected 8 arguments, got 7> wr_qr (wr_zeros (4, 2), 2, 2, 2, wr_zeros (4, 2), wr_zeros (4, 2), 0)
%!error <expected 8 arguments, got 9> wr_qr (wr_zeros (4, 2), 2, 2, 2, wr_zeros (4, 2), wr_zeros (4, 2), 0, 0, 0)
%!error <argument 0 \(A\) holds 11 words, needs 12> wr_qr (zeros (11, 1, "uint64"), 2, 2, 2, wr_zeros (4, 2), wr_zeros (4, 2), 1, 1)
%!error <argument 4 \(Q\) holds 9 words, needs 18> wr_qr (wr_zeros (6, 2), 3, 2, 2, wr_zeros (3, 2), wr_zeros (4, 2), 1, 0)
%!error <argument 5 \(R\) holds 9 words, needs 12> wr_qr (wr_zeros (6, 2), 3, 2, 2, wr_zeros (6, 2), wr_zeros (3, 2), 0, 1)
%!error <argument 1 \(m\) = -1 is outside> wr_qr (wr_zeros (4, 2), -1, 2, 2, wr_zeros (4, 2), wr_zeros (4, 2), 0, 0)
%!error <argument 2 \(n\) = -2 is outside> wr_qr (wr_zeros (4, 2), 2, -2, 2, wr_zeros (4, 2), wr_zeros (4, 2), 0, 0)
%!error <argument 3 \(p\) = 1 is outside 2..> wr_qr (wr_zeros (4, 2), 2, 2, 1, wr_zeros (4, 2), wr_zeros (4, 2), 0, 0)
%!error <argument 3 \(p\) = 2147483648 is outside> wr_qr (wr_zeros (4, 2), 2, 2, 2^31, wr_zeros (4, 2), wr_zeros (4, 2), 0, 0)
%!error <must be a real> wr_qr ("abcdefghijkl", 2, 2, 2, wr_zeros (4, 2), wr_zeros (4, 2), 0, 0)
%!error <must be a real numeric scalar> wr_qr (wr_zeros (4, 2), "2", 2, 2, wr_zeros (4, 2), wr_zeros (4, 2), 0, 0)

%!test # after an error the session goes on and the arrays are untouched
%! p = 2; a = wr_fromdouble ([1 2; 3 4].', p); a0 = a;
%! Q = wr_zeros (4, p); R = wr_zeros (3, p);     # R one element short
%! try
%!   wr_qr (a, 2, 2, p, Q, R, 1, 1);
%!   error ("no error raised");
%! catch err
%!   assert (err.identifier, "widefp:size");
%! end_try_catch
%! assert (a, a0);
%! assert (Q, wr_zeros (4, p));
%! wr_qr (a, 2, 2, p, Q, wr_zeros (4, p), 1, 1);
%! assert (abs (by_rows (Q, 2, 2, p)), abs ([1 3; 3 -1] / sqrt (10)), 1e-15);

## Scratch that cannot be allocated is an Octave error, before anything is touched.
%!test
%! a = uint64 ([1; 2; 3]);
%! try
%!   wr_qr (a, 0, 2^31 - 1, 2^31 - 1, a, a, 1, 1);
%!   error ("no error raised");
%! catch err
%!   assert (err.identifier, "widefp:memory");
%! end_try_catch
%! assert (a, uint64 ([1; 2; 3]));

%!test # a zero column: R's diagonal is -0 with clean fraction words, the same on every call
%! p = 2;
%! for trial = 1:3
%!   a = wr_zeros (1, p);
%!   R = wr_zeros (1, p);
%!   wr_qr (a, 1, 1, p, wr_zeros (1, p), R, 0, 1);
%!   assert (R, uint64 ([9223372036854775808; 0; 0]));
%! end
