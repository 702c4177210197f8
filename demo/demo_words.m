## demo_words.m -- under the class: the words of a number and one raw
## plug-in call.  The only part of the demo that calls plug-ins directly.
function demo_words ()
  p = 4;
  printf ("Under the hood: words and plug-ins\n");
  printf ("----------------------------------\n");
  printf ("A number of precision p = %d is %d uint64 words:\n", p, p + 1);
  w = wr_fromdouble (-0.75, p);
  printf ("  -0.75 -> %s\n", sprintf ("%016x ", w));
  printf ("  word 0 = sign bit | exponent biased by 0x3fffffffffffffff; words 1..p = fraction\n");
  printf ("  under a hidden leading 1.  The class keeps one column of words per element.\n");

  third = [uint64(4611686018427387901); repmat(uint64(6148914691236517205), p, 1)];
  printf ("  1/3 from its words (0101... fraction, exponent -2): %s\n", ...
          num2str (widereal (third, p, "words"), 30));

  ## A plug-in writes its result in place, into an array the caller made
  ## fresh: Octave shares the data of copies, so never pass a copy.
  r = wr_zeros (1, p);
  wr_mul (r, wr_fromdouble (3, p), third, p);
  printf ("  wr_mul (r, 3, 1/3, p) wrote into r: %s (rounded to nearest)\n\n", ...
          num2str (widereal (r, p, "words")));
endfunction
