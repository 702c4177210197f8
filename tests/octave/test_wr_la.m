## The gateway wr_la: values against exact or mpmath references (to within
## a tiny bound, the results are not correctly rounded), the rounding mode,
## the pivot state, the arguments left untouched, and every refusal.
1;

%!function W = words (v, p)
%!  W = reshape (wr_fromdouble (v(:), p), p + 1, []);
%!endfunction

## |X - R| below 2^-e times max(|R|, 1) (R texts at 8 words)
%!function close (W, p, sz, ref, e)
%!  d = widereal (W, p, "words", sz) - widereal (ref, 8);
%!  assert (all (double (abs (d))(:) <= 2^-e * max (abs (double (widereal (ref, 8))(:)), 1)));
%!endfunction

%!test # det, inv, solve, lsq at p = 2 (q = 4)
%! p = 2;
%! A = words ([4 7; 2 6], p);
%! close (wr_la ("det", 0, p, A, 2, 2), p, [1 1], "10", 120);
%! [X, state] = wr_la ("inv", 0, p, A, 2, 2);
%! assert (state, 0);
%! close (X, p, [2 2], {"3/5", "-7/10"; "-1/5", "2/5"}, 120);
%! [X, state] = wr_la ("solve", 0, p, A, 2, 2, words ([1 0; 2 1], p), 2);
%! close (X, p, [2 2], {"-4/5", "-7/10"; "3/5", "2/5"}, 120);
%! [X, rank] = wr_la ("lsq", 0, p, words ([1 0; 1 1; 1 2], p), 3, 2, words ([1; 2; 4], p), 1);
%! assert (rank, 2);
%! close (X, p, [2 1], {"5/6"; "3/2"}, 120);
%! assert (wr_todoubles (wr_la ("det", 0, p, zeros (p + 1, 0, "uint64"), 0, 0)(:), p), 1);

%!test # the mode: 1/3 rounded up and down brackets it, one unit apart
%! p = 3;
%! up = widereal (wr_la ("inv", 2, p, words (3, p), 1, 1), p, "words");
%! dn = widereal (wr_la ("inv", 3, p, words (3, p), 1, 1), p, "words");
%! t = widereal ("1/3", 6);
%! assert (dn < t && t < up);
%! assert (double ((up - dn) * 2^(64*p + 2)), 1);     # one unit of 2^-2 at 64p+1 bits

%!test # pivots: zero (all Inf), tiny (state 1); singular values of a wide A
%! [X, state] = wr_la ("solve", 0, 2, words ([1 2; 2 4], 2), 2, 2, words ([1; 2], 2), 1);
%! assert ([state, wr_todoubles(X(:), 2).'], [2 Inf Inf]);
%! [~, state] = wr_la ("inv", 0, 4, words (magic (4), 4), 4, 4);   # the last pivot tiny, not 0
%! assert (state, 1);
%! s = wr_la ("svd", 0, 2, words ([1 -2; 3 4]', 2), 2, 2);
%! close (s, 2, [2 1], {"5.1166727360169272880036685827406044632839572581049785963704517713731284154748867"; ...
%!                      "1.9543950758485479560047750383078859295644021187797617695129469185805339768356484"}, 120);
%! [s, U, S, V] = wr_la ("svd", 0, 2, words ([1 2 3; 4 5 6], 2), 2, 3);
%! assert ([columns(s), columns(U), columns(S), columns(V)], [2 4 4 6]);   # elements
%! A = widereal (U, 2, "words", [2 2]) * widereal (S, 2, "words", [2 2]) * widereal (V, 2, "words", [3 2]).';
%! assert (double (A), [1 2 3; 4 5 6], 1e-35);

%!test # norms and the condition number of [1 -2; 3 4]
%! p = 2;
%! A = words ([1 -2; 3 4], p);
%! n = @(t) wr_todoubles (wr_la ("norm", 0, p, A, 2, 2, t)(:), p);
%! assert ([n(1), n(Inf), n(-Inf)], [6 7 3]);
%! close (wr_la ("norm", 0, p, A, 2, 2, 2), p, [1 1], ...
%!        "5.1166727360169272880036685827406044632839572581049785963704517713731284154748867", 120);
%! close (wr_la ("cond", 0, p, A, 2, 2), p, [1 1], ...
%!        "2.6180339887498948482045868343656381177203091798057628621354486227052604628189024", 120);
%! assert (wr_todoubles (wr_la ("cond", 0, p, words (zeros (2), p), 2, 2)(:), p), Inf);
%! assert (wr_todoubles (wr_la ("norm", 0, p, words ([3; -Inf], p), 2, 1, 1)(:), p), Inf);

%!test # lu: the compact form, the row order, L and U; nothing written
%! p = 2;
%! A = words ([1 2; 3 4], p);
%! [Y, perm, L, U] = wr_la ("lu", 0, p, A, 2, 2);
%! assert (perm, [2; 1]);
%! close (L, p, [2 2], {"1", "0"; "1/3", "1"}, 120);
%! close (U, p, [2 2], {"3", "4"; "0", "2/3"}, 120);
%! assert (isequal (Y, [U(:, 1), L(:, 2), U(:, 3:4)]));
%! assert (isequal (A, words ([1 2; 3 4], p)));
%! B = words ([1; 1], p);
%! for op = {"det", "inv", "qr", "qrfull", "svd", "svdfull", "cond"}
%!   wr_la (op{1}, 0, p, A, 2, 2);
%! endfor
%! wr_la ("solve", 0, p, A, 2, 2, B, 1);
%! wr_la ("lsq", 0, p, A, 2, 2, B, 1);
%! wr_la ("qrp", 0, p, A, 2, 2, 1);
%! assert (isequal (A, words ([1 2; 3 4], p)) && isequal (B, words ([1; 1], p)));

%!test # least squares of any shape and rank: least norm, the rank
%! p = 2;
%! [X, rank] = wr_la ("lsq", 0, p, words ([1 2 3; 4 5 6], p), 2, 3, words ([1 0; 2 1], p), 2);
%! assert (rank, 2);
%! close (X, p, [3 2], {"-1/18", "4/9"; "1/9", "1/9"; "5/18", "-2/9"}, 120);
%! [X, rank] = wr_la ("lsq", 0, p, words ([1 2 3; 2 4 6; 1 1 1; 0 0 0], p), 4, 3, words ([1; 2; 3; 4], p), 1);
%! assert (rank, 2);
%! close (X, p, [3 1], {"7/2"; "1"; "-3/2"}, 120);
%! [X, rank] = wr_la ("lsq", 0, p, words (zeros (2, 3), p), 2, 3, words ([1; 1], p), 1);
%! assert ([rank, wr_todoubles(X(:), p).'], [0 0 0 0]);

%!test # QR: economy, full, pivoted (Octave's order); full SVD
%! p = 2;
%! A = words ([1 2; 3 4; 5 7], p);
%! [R, Q, perm] = wr_la ("qrfull", 0, p, A, 3, 2);
%! assert ([columns(R), columns(Q), perm], [6 9 1 2]);
%! [R2, Q2] = wr_la ("qr", 0, p, A, 3, 2);
%! assert (isequal (R2, R(:, [1 2 4 5])) && isequal (Q2, Q(:, 1:6)));
%! ## R(1,1) = -sqrt(35), R(2,2) = sqrt(2/5), R(3,:) = 0
%! close (R(:, [1 5]), p, [2 1], {"-5.916079783099616042567328291561617048415501230794340322879719669142822"; ...
%!                                "0.6324555320336758663997787088865437067439110278650433653715009705585189"}, 120);
%! assert (wr_todoubles (R(:, [3 6])(:), p), [0; 0]);
%! [R, Q, perm] = wr_la ("qrp", 0, p, A, 3, 2, 0);
%! assert ([columns(R), columns(Q), perm], [4 6 2 1]);
%! close (R(:, 1), p, [1 1], "-8.306623862918074852584262744907492010232214248955655779432188369", 120);
%! [~, ~, perm] = wr_la ("qrp", 0, p, words ([1 2 3; 4 5 6], p), 2, 3, 1);
%! assert (perm, [3 1 2]);
%! [s, U, S, V] = wr_la ("svdfull", 0, p, words ([1 2 3; 4 5 6], p), 2, 3);
%! assert ([columns(s), columns(U), columns(S), columns(V)], [2 4 6 9]);
%! V = widereal (V, p, "words", [3 3]);
%! assert (double (V' * V), eye (3), 1e-36);
%! A = widereal (U, p, "words", [2 2]) * widereal (S, p, "words", [2 3]) * V';
%! assert (double (A), [1 2 3; 4 5 6], 1e-35);

%!error <full> wr_la ("qrp", 0, 2, words (1, 2), 1, 1, 2)
%!error <takes> wr_la ("qrp", 0, 2, words (1, 2), 1, 1)
%!error <takes> wr_la ("qrfull", 0, 2, words (1, 2), 1, 1, 0)
%!error <infinite> wr_la ("svdfull", 0, 2, words ([1 Inf], 2), 1, 2)
%!error <not m\*r> wr_la ("lsq", 0, 2, words ([1 2], 2), 1, 2, words ([1 2], 2), 1)
%!error <unknown operation> wr_la ("chol", 0, 2, words (1, 2), 1, 1)
%!error <takes> wr_la ("det", 0, 2, words (1, 2), 1, 1, 1)
%!error <6 to 8 arguments> wr_la ("det", 0, 2, words (1, 2), 1)
%!error <mode> wr_la ("det", 4, 2, words (1, 2), 1, 1)
%!error <not m\*n> wr_la ("det", 0, 2, words ([1 2 3 4], 2), 2, 1)
%!error <square> wr_la ("inv", 0, 2, words ([1 2], 2), 1, 2)
%!error <not n\*r> wr_la ("solve", 0, 2, words (eye (2), 2), 2, 2, words (1, 2), 1)
%!error <infinite> wr_la ("solve", 0, 2, words (eye (2), 2), 2, 2, words ([1; Inf], 2), 1)
%!error <infinite> wr_la ("qr", 0, 2, words ([1 Inf], 2), 1, 2)
%!error <type> wr_la ("norm", 0, 2, words (1, 2), 1, 1, 3)
%!error <uint64> wr_la ("det", 0, 2, [1 2], 1, 1)
%!error <p> wr_la ("det", 0, 0, words (1, 2), 1, 1)
