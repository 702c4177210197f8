## demo_linsolve.m -- a Hilbert system of order 12 at p = 4 words against
## Octave's double backslash.
function demo_linsolve ()
  n = 12;
  p = 4;
  printf ("Linear solve: the Hilbert matrix of order %d (condition number %.1e)\n", n, cond (hilb (n)));
  printf ("--------------------------------------------------------------------\n");

  ## H(i,j) = 1/(i+j-1) formed at p words (hilb(12) would already be rounded)
  i = (1:n)';
  j = 1:n;
  H = 1 ./ (widereal (i, p) + j - 1);
  b = H * ones (n, 1);                    # so the solution is all ones
  x = H \ b;

  Hd = hilb (n);
  warning ("off", "Octave:nearly-singular-matrix", "local");
  xd = Hd \ (Hd * ones (n, 1));

  printf ("right-hand side b = H * ones; the exact solution is all ones.\n\n");
  printf ("   i   x(i) - 1, widereal \\ (p = %d)   x(i) - 1, Octave double \\\n", p);
  for k = [1 2 6 11 12]
    printf ("  %2d   %-32s   %.3g\n", k, num2str (x(k) - 1, 3), xd(k) - 1);
  endfor
  printf ("\nlargest error: widereal %s, double %.1e\n", num2str (max (abs (x - 1)), 3), ...
          max (abs (xd - 1)));
  printf ("(both lose about log10(cond) = %.1f digits to the conditioning; the %d-bit\n", log10 (cond (Hd)), 64 * p);
  printf (" fraction holds %.1f digits)\n\n", 64 * p * log10 (2));

  X = inv (H);
  Xe = invhilb (n);                       # exact integers at this order
  printf ("inverse of H against the exact integer inverse (entries up to %.2e):\n", max (abs (Xe(:))));
  printf ("  widereal inv: largest error %s\n", num2str (max (max (abs (X - Xe))), 3));
  printf ("  double inv:   largest error %.1e\n\n", max (max (abs (inv (Hd) - Xe))));
endfunction
