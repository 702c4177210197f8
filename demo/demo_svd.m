## demo_svd.m -- the singular values of the Hilbert matrix of order 20 at
## p = 8 words beside Octave's double svd.
function demo_svd ()
  n = 20;
  p = 8;
  printf ("Singular values: the Hilbert matrix of order %d\n", n);
  printf ("---------------------------------------------\n");
  printf ("svd at p = %d on H with entries 1/(i+j-1) to %d bits, and on H rounded to doubles;\n", p, 64 * p);
  printf ("Octave's svd on hilb(%d) in double precision.\n\n", n);

  H = 1 ./ (widereal ((1:n)', p) + (1:n) - 1);
  tic;
  s = svd (H);
  t = toc;
  sw = double (s);
  sr = double (svd (widereal (hilb (n), p)));
  sd = svd (hilb (n));

  printf ("   k   widereal, exact H       widereal, H as doubles   Octave svd (double)   rel. error of double\n");
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
  printf ("\nsvd took %.1f ms for the 20x20 matrix at p = %d.\n", 1000 * t, p);
  ref = widereal ("7.77737739685641264428e-29");  # one-sided Jacobi in 400-bit MPFR
  printf ("Independent check of the smallest: sigma_20 = %s (Jacobi in 400-bit MPFR),\n", num2str (ref, 21));
  printf ("                                   svd:       %s.\n\n", num2str (s(n), 21));
  printf ("Double precision resolves singular values only down to about eps * sigma_1 = %.1e:\n", eps * sw(1));
  if (! isempty (lost))
    printf ("from sigma_%d (%.1e) on, Octave's values are rounding noise, while the widereal\n", lost, sw(lost));
  endif
  printf ("svd keeps every one of them.  Rounding the entries of H to doubles alone already\n");
  printf ("moves the singular values below about 1e-16 (middle column): the matrix, not only\n");
  printf ("the SVD, has to be held in wide precision.\n\n");
endfunction
