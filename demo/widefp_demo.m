## widefp_demo.m -- the widereal class at work.  Run by tools/run_demo.sh.
1;
printf ("widefp demo\n===========\n\n");

printf ("A widereal carries a 64p-bit fraction; p (in 64-bit words) is chosen per number,\n");
printf ("by default widereal_precision () = %d.  Numbers come from text or from doubles:\n\n", widereal_precision ());
third = widereal ("1/3")
printf ("The double 0.1 is converted exactly, so it is not 1/10:\n");
printf ("  widereal (0.1)   = %s\n", num2str (widereal (0.1), 40));
printf ("  widereal (\"0.1\") = %s\n\n", num2str (widereal ("0.1"), 40));

## One topic per file; each is a function in this folder.
for topic = {"demo_words", "demo_arith", "demo_linsolve", "demo_decimal", ...
             "demo_svd", "demo_elementary", "demo_eig", "demo_roots"}
  feval (topic{1});
endfor
