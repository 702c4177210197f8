## Tests of wr_inv: the inverse in the right half of an n x 2n array by rows.
1;

%!function M = with_right_half (A, p)
%!  n = rows (A);
%!  M = wr_byrows (wr_fromdouble ([A, zeros(n)], p), n, 2 * n, p);
%!endfunction

%!function X = right_half (M, n, p)
%!  V = reshape (wr_todoubles (M, p), 2 * n, n).';
%!  X = V(:, n + 1:end);
%!endfunction

%!test # the inverse of the Hilbert matrix of order 5 is the integer matrix invhilb (5)
%! p = 3;
%! n = 5;
%! M = zeros (p + 1, 2 * n, n, "uint64");
%! M(:, 1:n, :) = reshape (wr_hilbert (n, p), p + 1, n, n);
%! M = M(:);
%! wr_inv (M, n, p, wr_zeros (2, p));
%! assert (right_half (M, n, p), invhilb (n));
%! assert (wr_digits (reshape (reshape (M, p + 1, 2 * n, n)(:, n + 1:end, :), [], 1), invhilb (n).'(:), p) > 50);

%!test # identity: identity, no row exchanged (the left half stays the identity)
%! p = 2;
%! M = with_right_half (eye (3), p);
%! wr_inv (M, 3, p, wr_zeros (2, p));
%! V = reshape (wr_todoubles (M, p), 6, 3).';
%! assert (V, [eye(3), eye(3)]);

%!test # a permutation matrix: the transpose
%! p = 2;
%! P = eye (4)([3 1 4 2], :);
%! M = with_right_half (P, p);
%! wr_inv (M, 4, p, wr_zeros (2, p));
%! assert (right_half (M, 4, p), P.');

%!test # n = 1; a singular matrix gives infinities
%! p = 2;
%! M = wr_fromdouble ([4 0], p);
%! wr_inv (M, 1, p, wr_zeros (2, p));
%! assert (wr_todoubles (M, p), [4; 0.25]);
%! M = with_right_half ([1 2; 2 4], p);
%! wr_inv (M, 2, p, wr_zeros (2, p));
%! assert (right_half (M, 2, p), [-Inf Inf; Inf -Inf]);

%!error <expected 4 arguments> wr_inv (wr_zeros (8, 2), 2, 2)
%!error <M.*holds 21 words, needs 24> wr_inv (wr_zeros (7, 2), 2, 2, wr_zeros (2, 2))
%!error <work.*holds 3 words, needs 6> wr_inv (wr_zeros (8, 2), 2, 2, wr_zeros (1, 2))
%!error <n.*outside> wr_inv (wr_zeros (8, 2), -2, 2, wr_zeros (2, 2))
%!error <p.*outside 2..> wr_inv (wr_zeros (8, 1), 2, 1, wr_zeros (2, 1))

%!test # the session goes on; the arrays are untouched
%! p = 2;
%! M = wr_fromdouble ([2 0 0 0 0 2 0 0], p);
%! try
%!   wr_inv (M, 3, p, wr_zeros (2, p));
%! end_try_catch
%! assert (M, wr_fromdouble ([2 0 0 0 0 2 0 0], p));
%! wr_inv (M, 2, p, wr_zeros (2, p));
%! assert (wr_todoubles (M, p), [2; 0; 0.5; 0; 0; 2; 0; 0.5]);
