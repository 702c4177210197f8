## Tests of wr_sum: sums of groups of consecutive elements.
1;

%!test # two groups of three: 1+2+3 and 4+5+6
%! p = 2;
%! R = wr_zeros (2, p);
%! wr_sum (R, wr_fromdouble (1:6, p), 3, 2, p);
%! assert (wr_todoubles (R, p), [6; 15]);

%!test # a sum beyond double precision: 1 + 2^-100 at p = 2 sets bit 28 of word 2
%! p = 2;
%! X = [wr_fromdouble(1, p); wr_fromdouble(2^-100, p)];
%! R = wr_zeros (1, p);
%! wr_sum (R, X, 2, 1, p);
%! assert (R, [uint64(4611686018427387903); 0; bitshift(uint64(1), 28)]);

%!test # n = 1 copies every element, word for word
%! p = 3;
%! X = wr_fromdouble ([-1.5 7 0.1], p);
%! R = wr_zeros (3, p);
%! wr_sum (R, X, 1, 3, p);
%! assert (R, X);

%!test # left to right with truncation: (1 + 2^-200) - 1 loses the small term at p = 2
%! p = 2;
%! X = [wr_fromdouble(1, p); wr_fromdouble(2^-200, p); wr_fromdouble(-1, p)];
%! R = wr_zeros (1, p);
%! wr_sum (R, X, 3, 1, p);
%! assert (R(1), uint64 (0));

%!test # the helpers: 1/3 truncated is 0101... with exponent -2; H sums to the harmonic numbers
%! p = 2;
%! assert (wr_reciprocal (3, p), [uint64(4611686018427387901); repmat(uint64(6148914691236517205), p, 1)]);
%! assert (wr_reciprocal ([1 4], p), wr_fromdouble ([1 0.25], p));
%! n = 4;
%! R = wr_zeros (n, p);
%! wr_sum (R, wr_hilbert (n, p), n, n, p);
%! assert (wr_todoubles (R, p), [25/12; 77/60; 19/20; 319/420], -eps);

%!error <expected 5 arguments> wr_sum (wr_zeros (1, 2), wr_zeros (2, 2), 2, 1)
%!error <holds 6 words, needs 9> wr_sum (wr_zeros (1, 2), wr_zeros (2, 2), 3, 1, 2)
%!error <holds 3 words, needs 6> wr_sum (wr_zeros (1, 2), wr_zeros (4, 2), 2, 2, 2)
%!error <count.*outside> wr_sum (wr_zeros (1, 2), wr_zeros (2, 2), 2, -1, 2)
%!error <n.*outside> wr_sum (wr_zeros (1, 2), wr_zeros (2, 2), -2, 1, 2)
%!error <p.*outside> wr_sum (wr_zeros (1, 2), wr_zeros (2, 2), 2, 1, 0)
%!error <p.*outside> wr_sum (wr_zeros (1, 2), wr_zeros (2, 2), 2, 1, 2^31)
%!error <must be a real> wr_sum ("R", wr_zeros (2, 2), 2, 1, 2)

%!test # after an error the session goes on and the arrays are untouched
%! p = 2;
%! R = wr_fromdouble (7, p);
%! X = wr_fromdouble ([1 2 3], p);
%! try
%!   wr_sum (R, X, 2, 2, p);          # X too short for two groups of two
%!   error ("not reached");
%! catch err
%!   assert (err.identifier, "widefp:size");
%! end_try_catch
%! assert (R, wr_fromdouble (7, p));
%! assert (X, wr_fromdouble ([1 2 3], p));
%! wr_sum (R, X, 3, 1, p);
%! assert (wr_todouble (R), 6);
