## demo_elementary.m -- the elementary functions: constants to a thousand
## digits, powers, pi three ways, and arguments where double precision fails.
function demo_elementary ()
  p = 54;
  printf ("Elementary functions at p = %d words (about %d digits)\n", p, floor (64 * p * log10 (2)));
  printf ("---------------------------------------------------\n");
  one = wr_fromdouble (1, p);
  pi_p = const ("pi", p);

  ## e, e^pi and ln 2 to 1,000 digits, against the named constants
  e_p = wr_map ("exp", one, p);
  show (sprintf ("e = exp(1), %d digits", 1000), e_p, p, 1000);
  compare ("exp(1) and the constant e", e_p, const ("e", p), p);
  e_pi = wr_map ("exp", pi_p, p);
  show ("e^pi = exp(pi)", e_pi, p, 1000);
  compare ("exp(pi) and wr_power(e, pi)", e_pi, wr_power (const ("e", p), pi_p, p), p);
  ln2 = wr_map ("log", wr_fromdouble (2, p), p);
  show ("ln 2 = log(2)", ln2, p, 1000);
  compare ("log(2) and the constant ln2", ln2, const ("ln2", p), p);
  compare ("log(10) and the constant ln10", wr_map ("log", wr_fromdouble (10, p), p), const ("ln10", p), p);

  ## powers
  printf ("\nwr_power (2, 1/2)   = %s\n", wr_tostring (wr_power (wr_fromdouble (2, p), wr_fromdouble (0.5, p), p), p, 60));
  printf ("wr_power (10, -1000) = %s\n", wr_tostring (wr_power (wr_fromdouble (10, p), wr_fromdouble (-1000, p), p), p, 60));

  ## a few values beside Octave's doubles
  printf ("\n%-10s %-32s %-24s\n", "", "widefp (30 digits)", "Octave double");
  for x = [0.5, 10, -20]
    printf ("exp(%-5g) %-32s %.17g\n", x, wr_tostring (wr_map ("exp", wr_fromdouble (x, p), p), p, 30), exp (x));
  endfor
  for x = [0.5, 10, 1000]
    printf ("log(%-5g) %-32s %.17g\n", x, wr_tostring (wr_map ("log", wr_fromdouble (x, p), p), p, 30), log (x));
  endfor

  ## pi three ways
  printf ("\npi recovered, compared digit by digit with the constant pi:\n");
  compare ("4 atan(1)", scale (wr_map ("atan", one, p), 4, p), pi_p, p);
  compare ("6 asin(1/2)", scale (wr_map ("asin", wr_fromdouble (0.5, p), p), 6, p), pi_p, p);
  x = wr_fromdouble (3, p);                 # x <- x + sin x: the error cubes each step
  for k = 1:8
    x = add (x, wr_map ("sin", x, p), p);
  endfor
  compare ("x <- x + sin x from 3, 8 steps", x, pi_p, p);
  h = wr_fromdouble (1.5, p);               # h <- h + cos h tends to pi/2
  for k = 1:8
    h = add (h, wr_map ("cos", h, p), p);
  endfor
  compare ("2 h, h <- h + cos h from 1.5", scale (h, 2, p), pi_p, p);

  ## where double precision fails
  printf ("\nWhere double precision fails (widefp at p = 4, 25 digits shown):\n");
  q = 4;
  big = wr_zeros (1, q);
  wr_parse ("1e40", big, q);                # 10^40 exactly, from text
  near = wr_zeros (1, q);
  wr_parse ("#pi/2-1e-30", near, q);        # within 10^-30 of pi/2
  tiny = wr_zeros (1, q);
  wr_parse ("1+1e-30", tiny, q);
  tbl = {"sin(10^40)", wr_map("sin", big, q), sin(1e40), "the double 1e40 is 10^40 + 3.04e23";
          "cos(pi/2 - 10^-30)", wr_map("cos", near, q), cos(pi/2 - 1e-30), "pi/2 - 1e-30 rounds to pi/2";
          "log(1 + 10^-30)", wr_map("log", tiny, q), log(1 + 1e-30), "1 + 1e-30 rounds to 1";
          "exp(1000)", wr_map("exp", wr_fromdouble(1000, q), q), exp(1000), "beyond the double range"};
  for k = 1:rows (tbl)
    printf ("  %-19s widefp %-32s double %-12.5g %s\n", tbl{k, 1}, wr_tostring (tbl{k, 2}, q, 25), tbl{k, 3}, tbl{k, 4});
  endfor
  printf ("\n");
endfunction

function x = const (name, p)
  x = wr_zeros (1, p);
  wr_const (name, x, p);
endfunction

function r = scale (x, k, p)
  r = wr_zeros (1, p);
  wr_scale (r, x, wr_fromdouble (k, p), 1, p);
endfunction

function r = add (a, b, p)
  r = wr_zeros (1, p);
  wr_sum_all (r, [a; b], 2, p);
endfunction

function show (title, x, p, n)
  s = wr_tostring (x, p, n);
  printf ("%s:\n", title);
  for i = 1:70:numel (s)
    printf ("  %s\n", s(i:min (i + 69, end)));
  endfor
endfunction

## Leading significant digits on which a and b agree (of 1,000 printed).
function compare (what, a, b, p)
  sa = wr_tostring (a, p, 1000);
  sb = wr_tostring (b, p, 1000);
  n = find (sa != sb, 1) - 1;
  if (isempty (n))
    printf ("  %-34s agree in all 1000 digits\n", what);
  else
    printf ("  %-34s agree in the first %d digits\n", what, n - (n > 1));   # less the point
  endif
endfunction
