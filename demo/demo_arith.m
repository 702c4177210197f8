## demo_arith.m -- sums, products, dot and matrix products and random numbers
## with the element-loop plug-ins.
function demo_arith ()
  p = 2;
  printf ("Element loops at p = %d words (a %d-bit fraction)\n", p, 64 * p);
  printf ("------------------------------------------------\n");

  ## a sum that cancels in double but not in 128 bits
  v = [1e20, 1, -1e20];
  s = wr_zeros (1, p);
  wr_sum_all (s, wr_fromdouble (v, p), 3, p);
  printf ("1e20 + 1 - 1e20:          double %g, wr_sum_all %g\n", sum (v), wr_todouble (s));

  ## the same as a dot product with ones
  r = wr_zeros (1, p);
  wr_dot (r, wr_fromdouble ([v, 1, 1, 1], p), 3, p, wr_zeros (1, p));
  printf ("[1e20 1 -1e20] . [1 1 1]: double %g, wr_dot     %g\n", v * ones (3, 1), wr_todouble (r));

  ## harmonic number H_1000 from the reciprocals 1/k
  n = 1000;
  h = wr_zeros (1, p);
  wr_sum_all (h, wr_reciprocal (1:n, p), n, p);
  printf ("sum of 1/k, k = 1..%d:  double %.17g\n", n, sum (1 ./ (1:n)));
  printf ("                          wr     %.17g (words %s)\n", wr_todouble (h), sprintf ("%016x ", h));

  ## a rounded product and a rounded difference
  c = wr_zeros (1, p);
  wr_mul (c, wr_fromdouble (0.1, p), wr_fromdouble (0.1, p), p);
  d = wr_zeros (1, p);
  wr_sub (d, c, wr_fromdouble (0.01, p), p);
  printf ("0.1*0.1 - 0.01 of the doubles 0.1 and 0.01: wr_mul, wr_sub %.6g; double arithmetic %.6g\n", ...
          wr_todouble (d), 0.1 * 0.1 - 0.01);

  ## matrix product, A by rows, B and C by columns
  A = magic (3);
  B = [1 0 2; -1 3 1; 0 1 1];
  C = wr_zeros (9, p);
  wr_matmul (C, wr_byrows (wr_fromdouble (A, p), 3, 3, p), wr_fromdouble (B, p), 3, 3, 3, p, wr_zeros (1, p));
  printf ("magic(3) * B with wr_matmul equals Octave's product: %d\n", isequal (reshape (wr_todoubles (C, p), 3, 3), A * B));

  ## random numbers from the C library's rand()
  R = wr_zeros (3, p);
  wr_rand (R, 3, p);
  printf ("three wr_rand numbers:    %s\n\n", sprintf ("%.15f  ", wr_todoubles (R, p)));
endfunction
