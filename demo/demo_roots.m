## demo_roots.m -- the roots of Wilkinson's polynomial of degree 20 from its
## expanded coefficients, in double and at p = 8.
function demo_roots ()
  n = 20;
  p = 8;
  printf ("Polynomial roots: Wilkinson's polynomial (x-1)(x-2)...(x-%d)\n", n);
  printf ("----------------------------------------------------------\n");
  printf ("Its coefficients reach %.2e; the roots near 14..16 move by about 1e10 times\n", ...
          max (abs (poly (1:n))));
  printf ("a relative change of the coefficients.  Double precision rounds the\n");
  printf ("coefficients themselves (they need up to 70 bits); at p = %d (%d bits) they\n", p, 64 * p);
  printf ("are exact, and roots() finds the eigenvalues of the companion matrix.\n\n");
  cd = poly (1:n);                       # rounded to doubles
  rd = roots (cd);
  tic;
  c = poly (widereal (1:n, p));          # exact integers
  r = roots (c);
  t = toc;
  [~, kd] = sort (real (rd));
  rd = rd(kd);
  rw = double (real (r));
  [rw, kw] = sort (rw);
  printf ("   k   double roots()                         widereal roots(), error |r - k|\n");
  for k = 1:n
    err = double (abs (r(kw(k)) - k));
    if (imag (rd(k)) == 0)
      sd = sprintf ("%20.15f", real (rd(k)));
    else
      sd = sprintf ("%17.12f %+.3fi", real (rd(k)), imag (rd(k)));
    endif
    printf ("  %2d   %-37s  %20.15f  %8.1e\n", k, sd, rw(k), err);
  endfor
  printf ("\nDouble: %d of the roots are complex and the real ones are off by up to %.1e:\n", ...
          sum (imag (rd) != 0), max (abs (real (rd) - (1:n)')));
  printf ("the rounding of the coefficients alone moves them that far.  widereal at p = %d:\n", p);
  printf ("all %d roots real (isreal: %d), each within %.1e of its integer: the error\n", ...
          n, isreal (r), max (double (abs (r(kw) - (1:n)'))));
  printf ("before the final rounding is below half a unit of the last of %d bits, so they\n", 64 * p);
  printf ("come out as the exact integers (poly and roots took %.2f s).\n\n", t);

  ## Wilkinson's own experiment: the coefficient -210 of x^19 lowered by 2^-23.
  c2 = c - [0 2^-23 zeros(1, n-1)];
  r2 = roots (c2);
  z = double (real (r2)) + 1i * double (imag (r2));
  z = z(imag (z) > 0);
  [~, k] = sort (real (z));
  printf ("Lowering the coefficient of x^19 by 2^-23 (exact at p = %d) really moves ten\n", p);
  printf ("roots into complex pairs; the upper halves, as widereal finds them:\n");
  printf ("  %s\n", strjoin (arrayfun (@(v) sprintf ("%.6f%+.6fi", real (v), imag (v)), z(k).', ...
                                     "UniformOutput", false), ", "));
  printf ("\n");
endfunction
