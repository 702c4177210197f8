## widefp_demo.m -- what the widefp plug-ins do today.  Run by tools/run_demo.sh.
1;
printf ("widefp demo\n===========\n\n");

p = 4;
printf ("A widereal of precision p = %d is %d uint64 words:\n", p, p + 1);
x = wr_fromdouble (-0.75, p);
printf ("  -0.75 -> words %s\n", sprintf ("%016x ", x));
printf ("  word 0 = sign bit | exponent biased by 0x3fffffffffffffff; words 1..p = fraction\n");
printf ("  back to double with wr_todouble: %g\n\n", wr_todouble (x));

one_third = [uint64(4611686018427387901); repmat(uint64(6148914691236517205), p, 1)];
printf ("  1/3 built from its words (0101... fraction, exponent -2): %.17g\n\n", wr_todouble (one_third));

## Later parts of the demo, one file per topic, run when present.
for topic = {"demo_arith", "demo_linsolve", "demo_decimal", "demo_elementary", "demo_svd"}
  if (exist (topic{1}, "file"))
    feval (topic{1});
  endif
endfor
