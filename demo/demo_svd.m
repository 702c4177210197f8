## demo_svd.m -- the singular values of the Hilbert matrix of order 20 with
## wr_svd at p = 8 words (512-bit fractions) beside Octave's double svd.
function demo_svd ()
  n = 20;
  p = 8;
  printf ("Singular values: the Hilbert matrix of order %d\n", n);
  printf ("---------------------------------------------\n");
  printf ("wr_svd at p = %d on H with entries 1/(i+j-1) to %d bits, and on H rounded to doubles;\n", p, 64 * p);
  printf ("Octave's svd on hilb(%d) in double precision.\n\n", n);

  ## The matrix is symmetric: its element array serves as storage by rows.
  H = wr_hilbert (n, p);
  s = wr_zeros (n, p);
  tic;
  wr_svd (H, n, n, p, wr_zeros (0, p), s, wr_zeros (0, p), 0, 0);
  t = toc;
  sw = wr_todoubles (s, p);

  Hd = hilb (n);
  s2 = wr_zeros (n, p);
  wr_svd (wr_fromdouble (Hd, p), n, n, p, wr_zeros (0, p), s2, wr_zeros (0, p), 0, 0);
  sr = wr_todoubles (s2, p);

  sd = svd (Hd);

  printf ("   k   wr_svd, H to 512 bits   wr_svd, H as doubles   Octave svd (double)   rel. error of double\n");
  for k = 1:n
    rel = abs (sd(k) - sw(k)) / sw(k);
    mark = "";
    if (rel > 0.5)
      mark = "  <- lost";
    elseif (rel > 1e-6)
      mark = "  <- few digits left";
    endif
    printf ("  %2d   %22.15e  %21.14e  %20.13e   %9.1e%s\n", k, sw(k), sr(k), sd(k), rel, mark);
  endfor
  lost = find (abs (sd - sw) ./ sw > 0.5, 1);
  printf ("\nwr_svd took %.1f ms for the 20x20 matrix at p = %d.\n", 1000 * t, p);
  ref = 7.77737739685641264428e-29;       # one-sided Jacobi rotations in 400-bit MPFR
  printf ("Independent check of the smallest: sigma_20 = %.16e (Jacobi in 400-bit MPFR),\n", ref);
  printf ("                                   wr_svd:    %.16e.\n\n", sw(n));
  printf ("Double precision resolves singular values only down to about eps * sigma_1 = %.1e:\n", eps * sw(1));
  if (! isempty (lost))
    printf ("from sigma_%d (%.1e) on, Octave's values are rounding noise, while wr_svd keeps\n", lost, sw(lost));
  endif
  printf ("every one of them.  Rounding the entries of H to doubles alone already moves the\n");
  printf ("singular values below about 1e-16 (middle column): the matrix, not only the SVD,\n");
  printf ("has to be held in wide precision.\n\n");
endfunction
