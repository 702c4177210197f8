## Tests of wr_div: element-wise quotients, truncated.
1;

%!test # 10/7 at p = 2 against its known binary digits; 1.875/1.25 and 3/1.5 exact; specials
%! p = 2;
%! X = wr_fromdouble ([10 1.875 3 0 -1 0 Inf 5], p);
%! Y = wr_fromdouble ([7 1.25 1.5 0 0 Inf Inf -Inf], p);
%! R = wr_fromdouble (ones (1, 8), p);          # stale words everywhere
%! wr_div (R, X, Y, 8, p);
%! R = reshape (R, p + 1, []);
%! bias = uint64 (4611686018427387903);
%! assert (R(:, 1), [bias; 0x6db6db6db6db6db6u64; 0xdb6db6db6db6db6du64]);
%! assert (R(:, 2:3), reshape (wr_fromdouble ([1.5 2], p), p + 1, []));
%! assert (R(:, 4:8), reshape (wr_fromdouble ([Inf -Inf 0 Inf -0], p), p + 1, []));

%!test # p = 1 and a result that is its own dividend (R is X)
%! X = wr_fromdouble ([1 -6], 1);
%! wr_div (X, X, wr_fromdouble ([3 4], 1), 2, 1);
%! assert (X(1:2), [0x3ffffffffffffffdu64; 0x5555555555555555u64]);
%! assert (X(3:4), wr_fromdouble (-1.5, 1));

%!error <expected 5 arguments> wr_div (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2), 1)
%!error <Y.*holds 3 words, needs 6> wr_div (wr_zeros (2, 2), wr_zeros (2, 2), wr_zeros (1, 2), 2, 2)
%!error <p.*outside> wr_div (wr_zeros (1, 2), wr_zeros (1, 2), wr_zeros (1, 2), 1, 0)
%!error <must be a real> wr_div ({1}, wr_zeros (1, 2), wr_zeros (1, 2), 1, 2)
