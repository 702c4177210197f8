## Tests of wr_sqrt: element-wise square roots.
1;

%!test # sqrt(2) at p = 3 within 2 units of the known truncated root; 4, 0.25, +-0, Inf exact
%! p = 3;
%! X = wr_fromdouble ([2 4 0.25 0 -0 Inf], p);
%! R = wr_fromdouble (7 * ones (1, 6), p);      # stale words everywhere
%! wr_sqrt (R, X, 6, p, zeros (4 * p + 8, 1, "uint64"));
%! R = reshape (R, p + 1, []);
%! bias = uint64 (4611686018427387903);
%! assert (R(1:3, 1), [bias; 0x6a09e667f3bcc908u64; 0xb2fb1366ea957d3eu64]);
%! assert (abs (double (R(4, 1)) - double (0x3adec17512775099u64)) <= 2);
%! assert (R(:, 2:6), reshape (wr_fromdouble ([2 0.5 0 -0 Inf], p), p + 1, []));

%!test # a negative element is refused before anything is written
%! p = 2;
%! R = wr_fromdouble ([5 5], p);
%! try
%!   wr_sqrt (R, wr_fromdouble ([4 -1], p), 2, p, zeros (4 * p + 8, 1, "uint64"));
%!   error ("no error");
%! catch err
%!   assert (err.identifier, "widefp:domain");
%! end_try_catch
%! assert (R, wr_fromdouble ([5 5], p));

%!error <p.*outside> wr_sqrt (wr_zeros (1, 1), wr_zeros (1, 1), 1, 1, zeros (12, 1, "uint64"))
%!error <work.*holds 15 words, needs 16> wr_sqrt (wr_zeros (1, 2), wr_zeros (1, 2), 1, 2, zeros (15, 1, "uint64"))
%!error <expected 5 arguments> wr_sqrt (wr_zeros (1, 2), wr_zeros (1, 2), 1, 2)
