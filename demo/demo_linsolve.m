## demo_linsolve.m -- a Hilbert system of order 12 solved with wr_solve at
## p = 4 words (256-bit fractions) and with Octave's double backslash.
function demo_linsolve ()
  n = 12;
  p = 4;
  printf ("Linear solve: the Hilbert matrix of order %d (condition number %.1e)\n", n, cond (hilb (n)));
  printf ("--------------------------------------------------------------------\n");
  printf ("right-hand side b = H * ones, so the exact solution is all ones.\n\n");

  ## H by rows (symmetric, so the same array), b = H * ones as row sums
  H = wr_hilbert (n, p);
  b = wr_zeros (n, p);
  wr_sum (b, H, n, n, p);                 # sums of the n columns = row sums

  ## [H | b] by rows: n x (n+1) elements
  M = zeros (p + 1, n + 1, n, "uint64");
  M(:, 1:n, :) = reshape (H, p + 1, n, n);
  M(:, n + 1, :) = reshape (b, p + 1, 1, n);
  M = M(:);
  wr_solve (M, n, 1, p, wr_zeros (2, p));
  X = reshape (M, p + 1, n + 1, n);
  x = reshape (X(:, n + 1, :), [], 1);    # the solution, element i in row i

  xw = wr_todoubles (x, p);
  Hd = hilb (n);
  warning ("off", "Octave:nearly-singular-matrix", "local");
  xd = Hd \ (Hd * ones (n, 1));

  printf ("   i   wr_solve (p = %d) as double   Octave double \\\n", p);
  for i = [1 2 6 11 12]
    printf ("  %2d   %-26.17g   %.17g\n", i, xw(i), xd(i));
  endfor
  dw = wr_digits (x, ones (n, 1), p);
  dd = -log10 (max (abs (xd - 1)));
  printf ("\ncorrect digits (from the largest error against the exact solution):\n");
  printf ("  wr_solve, p = %d words:  %5.1f digits   (largest error %.1e; a %d-bit fraction holds %.1f digits)\n", ...
          p, dw, 10^-dw, 64 * p, 64 * p * log10 (2));
  printf ("  Octave double \\:        %5.1f digits   (largest error %.1e)\n", max (dd, 0), 10^-dd);
  printf ("  (both lose about log10(cond) = %.1f digits to the conditioning)\n\n", log10 (cond (Hd)));

  ## The inverse, against the exact integer inverse (invhilb: exact in doubles
  ## at this order, every entry below 2^53).
  M = zeros (p + 1, 2 * n, n, "uint64");
  M(:, 1:n, :) = reshape (H, p + 1, n, n);
  M = M(:);
  wr_inv (M, n, p, wr_zeros (2, p));
  Xw = reshape (M, p + 1, 2 * n, n);
  Xw = reshape (Xw(:, n + 1:2 * n, :), [], 1);      # the inverse by rows
  Xe = invhilb (n);
  printf ("inverse of H (entries up to %.2e), correct digits relative to the largest entry:\n", max (abs (Xe(:))));
  printf ("  wr_inv, p = %d words:    %5.1f digits\n", p, wr_digits (Xw, reshape (Xe.', [], 1), p));
  printf ("  Octave inv (double):    %5.1f digits\n\n", -log10 (max (abs (inv (Hd)(:) - Xe(:))) / max (abs (Xe(:)))));
endfunction
