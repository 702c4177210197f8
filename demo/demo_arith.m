## demo_arith.m -- arithmetic where doubles lose everything.
function demo_arith ()
  printf ("Arithmetic at p = 2 words (128-bit fractions)\n");
  printf ("---------------------------------------------\n");
  v = [1e20, 1, -1e20];
  printf ("1e20 + 1 - 1e20:        double %g, widereal %s\n", sum (v), ...
          num2str (sum (widereal (v, 2))));

  n = 1000;
  h = sum (1 ./ widereal (1:n, 2));
  printf ("sum of 1/k, k = 1..%d: double   %.17g\n", n, sum (1 ./ (1:n)));
  printf ("                        widereal %s\n", num2str (h, 36));

  x = widereal ("0.1", 2);
  printf ("0.1*0.1 - 0.01:         double %.3g, widereal from text %s\n", ...
          0.1 * 0.1 - 0.01, num2str (x * x - widereal ("0.01", 2), 6));

  ## Every operation rounds once, to nearest by default; widereal_rounding
  ## selects the direction, so two roundings bracket the exact value.
  old = widereal_rounding ("down");
  lo = 1 ./ widereal (3, 2);
  widereal_rounding ("up");
  hi = 1 ./ widereal (3, 2);
  widereal_rounding (old);
  printf ("1/3 rounded down:       %s\n", num2str (lo, 40));
  printf ("1/3 rounded up:         %s (%s rounding by default)\n", num2str (hi, 40), old);

  A = magic (4);
  printf ("magic(4)^3 exactly:     %d (widereal equals Octave's integer product)\n\n", ...
          isequal (widereal (A, 2) ^ 3, A ^ 3));
endfunction
