## Inputs that once read uninitialised memory: products of zeros and
## infinities at p = 1 in wr_parse, and hypot of infinities inside wr_svd.
## CTest also runs this file under valgrind (valgrind_octave_test_memory).
1;

%!test # wr_parse at p = 1: the product's fraction word is written
%! for t = {"2*0", "0*2", "3/0*0", "2*(1/0)", "0*(1/0)"}
%!   r = zeros (2, 1, "uint64");
%!   wr_parse (t{1}, r, 1);
%!   assert (r(2), uint64 (0), t{1});
%! endfor

%!test # wr_svd of matrices with infinite entries: hypot(inf, inf), hypot(0, inf)
%! p = 2;
%! for A = {[Inf 0; 0 1], [Inf Inf; 1 2], [0 Inf; Inf 0], [Inf 1 0; 2 3 4]}
%!   A = A{1};
%!   [m, n] = size (A);
%!   a = wr_fromdouble (A.', p);
%!   s = wr_zeros (min (n, m + 1), p);
%!   U = wr_zeros (m * min (m, n), p);
%!   V = wr_zeros (n * n, p);
%!   wr_svd (a, m, n, p, U, s, V, 1, 1);
%!   assert (wr_todoubles (s, p)(1), Inf);
%! endfor
