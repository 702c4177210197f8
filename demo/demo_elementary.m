## demo_elementary.m -- exponential, logarithm, power, sine, cosine,
## arctangent and arcsine at p = 54 words, against the named constants and
## where doubles fail.
function demo_elementary ()
  p = 54;
  printf ("Elementary functions at p = %d words\n", p);
  printf ("-----------------------------------\n");
  if (exist ("wr_exp") != 3)
    printf ("(the elementary-function plug-ins are not built here: part skipped)\n\n");
    return;
  endif
  one = widereal (1, p);
  two = widereal (2, p);
  Pi = wr_constant ("pi", p);

  E = exp (one);
  printf ("e = exp(1) to 1000 digits:\n");
  demo_lines (num2str (E, 1000));
  printf ("  agrees with the stored constant e to %.1f digits\n", demo_agree (E, wr_constant ("e", p)));

  L = log (two);
  printf ("ln 2 = log(2) to 1000 digits:\n");
  demo_lines (num2str (L, 1000));
  printf ("  agrees with the stored constant ln2 to %.1f digits\n", demo_agree (L, wr_constant ("ln2", p)));

  G = exp (Pi);
  printf ("e^pi = exp(pi) to 1000 digits:\n");
  demo_lines (num2str (G, 1000));
  printf ("  log(e^pi) agrees with the stored pi to %.1f digits\n\n", demo_agree (log (G), Pi));

  r = two .^ (1/2);
  printf ("2^(1/2) by power: %s...\n", num2str (r, 60));
  printf ("  agrees with sqrt(2) to %.1f digits\n", demo_agree (r, sqrt (two)));
  t = widereal (10, p) .^ -1000;
  printf ("10^(-1000) by power: %s\n", num2str (t, 40));
  printf ("  agrees with the text \"1e-1000\" to %.1f digits\n\n", demo_agree (t, widereal ("1e-1000", p)));

  ref = num2str (Pi, 1000);
  for f = {{"4*atan(1)", 4*atan(one)}, {"6*asin(1/2)", 6*asin(widereal("1/2", p))}}
    s = num2str (f{1}{2}, 1000);
    k = find (s != ref, 1);
    if (isempty (k))
      printf ("pi as %-12s equals the stored pi in all 1000 digits\n", f{1}{1});
    else
      printf ("pi as %-12s equals the stored pi digit by digit up to digit %d of 1000 (...%s vs ...%s)\n", ...
              f{1}{1}, k - 2, s(k-4:k), ref(k-4:k));
    endif
  endfor

  printf ("\nWhere double fails:\n");
  printf ("  %-34s %-28s %s\n", "", "widereal (p = 54)", "double");
  x = widereal ("1e40", p);               # 10^40 exactly; the double 1e40 is not
  printf ("  %-34s %-28s %.17g\n", "sin(10^40)", num2str (sin (x), 20), sin (1e40));
  y = Pi / 2 - widereal ("1e-30", p);
  printf ("  %-34s %-28s %.17g\n", "cos(pi/2 - 10^-30)", num2str (cos (y), 20), cos (pi / 2 - 1e-30));
  printf ("  (the double 1e40 differs from 10^40 by %.3g; pi/2 - 1e-30 is pi/2 in double)\n\n", ...
          double (widereal (1e40, p) - x));
endfunction
