## Tests of wr_rand: random elements from the C library's rand().
1;

%!test # values in [0, 1 + 2^-52), words with the bits a 31-bit rand() leaves 0
%! for p = [1 2 4]
%!   n = 200;
%!   R = wr_zeros (n, p);
%!   wr_rand (R, n, p);
%!   W = reshape (R, p + 1, n);
%!   d = wr_todoubles (R, p);
%!   assert (all (d >= 0 & d <= 1));
%!   assert (all (bitshift (W(1, :), -63) == 0));                 # sign clear
%!   assert (all (W(1, :) <= uint64 (4611686018427387903)));      # exponent <= 0
%!   assert (all (bitand (W(2, :), uint64 (2048)) == 0));         # bit 11 of word 1
%!   if (p >= 2)
%!     assert (all (all (bitand (W(3:end, :), uint64 (9223372039002259456)) == 0)));  # bits 31 and 63
%!   end
%!   assert (numel (unique (d)) > n - 5);
%!   assert (mean (d) > 0.4 && mean (d) < 0.6);
%! end

%!test # successive calls continue the sequence: different numbers
%! p = 2;
%! a = wr_zeros (1, p);
%! b = wr_zeros (1, p);
%! wr_rand (a, 1, p);
%! wr_rand (b, 1, p);
%! assert (! isequal (a, b));

%!test # count 0 writes nothing
%! R = wr_fromdouble (3, 2);
%! wr_rand (R, 0, 2);
%! assert (R, wr_fromdouble (3, 2));

%!error <expected 3 arguments> wr_rand (wr_zeros (1, 2), 1)
%!error <holds 6 words, needs 9> wr_rand (wr_zeros (2, 2), 3, 2)
%!error <count.*outside> wr_rand (wr_zeros (2, 2), -1, 2)
%!error <p.*outside> wr_rand (wr_zeros (2, 2), 1, 0)

%!test # the session goes on; the array is untouched
%! R = wr_fromdouble ([1 2], 2);
%! try
%!   wr_rand (R, 3, 2);
%! end_try_catch
%! assert (R, wr_fromdouble ([1 2], 2));
%! wr_rand (R, 2, 2);
%! assert (all (wr_todoubles (R, 2) <= 1));
