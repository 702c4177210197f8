## Tests of wr_svd: singular value decomposition in place.
1;

%!function [s, U, V, a] = svd_of (A, p, uflag, vflag, varargin)
%!  [m, n] = size (A);
%!  a = wr_fromdouble (A.', p);
%!  U = wr_zeros (m * min (m, n), p);
%!  s = wr_zeros (min (n, m + 1), p);
%!  V = wr_zeros (n * n, p);
%!  wr_svd (a, m, n, p, U, s, V, uflag, vflag, varargin{:});
%!endfunction

%!function M = by_rows (w, r, c, p)
%!  M = reshape (wr_todoubles (w, p)(1:r*c), c, r).';
%!endfunction

%!test # square, tall and wide matrices against Octave's svd
%! rand ("state", 42);
%! for p = [2 4]
%!   for sz = {[3 3], [5 3], [3 5], [1 4], [4 1], [7 7]}
%!     m = sz{1}(1); n = sz{1}(2); k = min (m, n);
%!     A = rand (m, n) - 0.5;
%!     [sw, Uw, Vw] = svd_of (A, p, 1, 1);
%!     s = wr_todoubles (sw, p);
%!     U = by_rows (Uw, m, k, p);
%!     V = by_rows (Vw, n, n, p);
%!     assert (s(1:k), svd (A), 1e-14);
%!     assert (all (abs (s(k+1:end)) < 1e-14));
%!     assert (U * diag (s(1:k)) * V(:, 1:k)', A, 1e-14);
%!     assert (U' * U, eye (k), 1e-14);
%!     assert (V' * V, eye (n), 1e-14);
%!   end
%! end

%!test # a 1x1 matrix: s = |a|, V = sign, U = 1; +0 gives V = -1
%! p = 2;
%! for a = [2.5 -2.5 0]
%!   [sw, Uw, Vw] = svd_of (a, p, 1, 1);
%!   assert (wr_todouble (sw), abs (a));
%!   assert (wr_todouble (Uw), 1);
%!   assert (wr_todouble (Vw), 1 - 2 * (a <= 0));
%! end

%!test # diag(1, 3, 2): sorted singular values and signed permutations
%! p = 3; A = diag ([1 3 2]);
%! [sw, Uw, Vw] = svd_of (A, p, 1, 1);
%! s = wr_todoubles (sw, p);
%! assert (s, [3; 2; 1], 1e-15);
%! U = by_rows (Uw, 3, 3, p); V = by_rows (Vw, 3, 3, p);
%! assert (abs (U), [0 0 1; 1 0 0; 0 1 0], 1e-15);
%! assert (U * diag (s) * V', A, 1e-15);

%!test # a zero column gives a zero singular value, sorted last
%! p = 2; A = [1 0 2; 3 0 4; 5 0 6; 7 0 8];
%! sw = svd_of (A, p, 0, 0);
%! assert (sw(7), uint64 (0));
%! assert (wr_todoubles (sw, p)(1:2), svd (A)(1:2), 1e-14);

%!test # without the flags U and V are untouched and may be placeholders
%! p = 2; A = [2 1; 1 3];
%! a = wr_fromdouble (A.', p); s = wr_zeros (2, p);
%! U = uint64 (7); V = uint64 (9);
%! wr_svd (a, 2, 2, p, U, s, V, 0, 0);
%! assert (U, uint64 (7)); assert (V, uint64 (9));
%! assert (wr_todoubles (s, p), svd (A), 1e-15);

%!test # flags are truncated: 0.9 counts as zero, -1 as set
%! p = 2; A = [2 1; 1 3];
%! a = wr_fromdouble (A.', p); s = wr_zeros (2, p); U = wr_zeros (4, p); V = wr_zeros (4, p);
%! wr_svd (a, 2, 2, p, U, s, V, 0.9, 0.9);
%! assert (U, wr_zeros (4, p)); assert (V, wr_zeros (4, p));
%! a = wr_fromdouble (A.', p);
%! wr_svd (a, 2, 2, p, U, s, V, -1, -1);
%! sd = wr_todoubles (s, p);
%! assert (by_rows (U, 2, 2, p) * diag (sd) * by_rows (V, 2, 2, p)', A, 1e-15);

%!test # Hilbert matrix of order 12 (entries rounded to double) at p = 4: the
%! ## smallest singular value, 6e-17 of the largest, comes out to full double
%! ## accuracy (reference by Jacobi rotations in 400-bit MPFR arithmetic)
%! p = 4; A = hilb (12);
%! s = wr_todoubles (svd_of (A, p, 0, 0), p);
%! assert (s(1), 1.7953720595619973, 4e-16);
%! assert (s(11), 2.6492762064029930e-14, 1e-28);
%! assert (s(12), 1.0674897547441723e-16, 1e-30);

## The bound on the QR sweeps: a tenth argument lowers it.  The 2x2 matrix
## below needs several sweeps for its first singular value.
%!error <no convergence within 1 QR sweeps> svd_of ([1 1; 0 1+2^-20], 2, 1, 1, 1)
%!test # the error leaves the session running; a sufficient bound gives the default result
%! A = [1 1; 0 1+2^-20]; p = 2;
%! try
%!   svd_of (A, p, 1, 1, 1);
%!   error ("no error raised");
%! catch err
%!   assert (err.identifier, "widefp:convergence");
%! end_try_catch
%! [s0, U0, V0] = svd_of (A, p, 1, 1);
%! [s1, U1, V1] = svd_of (A, p, 1, 1, 1000);
%! assert (s1, s0); assert (U1, U0); assert (V1, V0);
%! assert (wr_todoubles (s0, p), svd (A), 1e-15);

## Bad arguments raise errors before anything is touched.
%!error <expected 9 to 10 arguments, got 8> wr_svd (wr_zeros (4, 2), 2, 2, 2, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (4, 2), 0)
%!error <expected 9 to 10 arguments, got 11> wr_svd (wr_zeros (4, 2), 2, 2, 2, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (4, 2), 0, 0, 5, 6)
%!error <argument 0 \(A\) holds 11 words, needs 12> wr_svd (zeros (11, 1, "uint64"), 2, 2, 2, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (4, 2), 0, 0)
%!error <argument 4 \(U\) holds 9 words, needs 12> wr_svd (wr_zeros (4, 2), 2, 2, 2, wr_zeros (3, 2), wr_zeros (2, 2), wr_zeros (4, 2), 1, 0)
%!error <argument 5 \(s\) holds 3 words, needs 6> wr_svd (wr_zeros (4, 2), 2, 2, 2, wr_zeros (4, 2), wr_zeros (1, 2), wr_zeros (4, 2), 0, 0)
%!error <argument 5 \(s\) holds 6 words, needs 9> wr_svd (wr_zeros (6, 2), 2, 3, 2, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (9, 2), 0, 0)
%!error <argument 6 \(V\) holds 9 words, needs 12> wr_svd (wr_zeros (4, 2), 2, 2, 2, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (3, 2), 0, 1)
%!error <argument 1 \(m\) = -1 is outside> wr_svd (wr_zeros (4, 2), -1, 2, 2, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (4, 2), 0, 0)
%!error <argument 2 \(n\) = -3 is outside> wr_svd (wr_zeros (4, 2), 2, -3, 2, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (4, 2), 0, 0)
%!error <argument 3 \(p\) = 1 is outside 2..> wr_svd (wr_zeros (4, 2), 2, 2, 1, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (4, 2), 0, 0)
%!error <must be a real> wr_svd (wr_zeros (4, 2), 2, 2, 2, wr_zeros (4, 2), "abcdef", wr_zeros (4, 2), 0, 0)
%!error <must be a real numeric scalar> wr_svd (wr_zeros (4, 2), 2, 2, 2, wr_zeros (4, 2), wr_zeros (2, 2), wr_zeros (4, 2), {1}, 0)

%!test # after an error the session goes on and the arrays are untouched
%! p = 2; a = wr_fromdouble ([1 2; 3 4].', p); a0 = a;
%! U = wr_zeros (4, p); s = wr_zeros (2, p); V = wr_zeros (3, p);   # V one element short
%! try
%!   wr_svd (a, 2, 2, p, U, s, V, 1, 1);
%!   error ("no error raised");
%! catch err
%!   assert (err.identifier, "widefp:size");
%! end_try_catch
%! assert (a, a0); assert (U, wr_zeros (4, p)); assert (s, wr_zeros (2, p));
%! wr_svd (a, 2, 2, p, U, s, wr_zeros (4, p), 1, 1);
%! assert (wr_todoubles (s, p), svd ([1 2; 3 4]), 1e-14);
