## demo_decimal.m -- named constants to a thousand digits, and an expression
## read from text.
function demo_decimal ()
  p = 54;
  printf ("Decimal output at p = %d words (%d bits, about %d digits)\n", p, 64 * p, floor (64 * p * log10 (2)));
  printf ("----------------------------------------------------------\n");
  names = {"pi", "pi"; "e", "e"; "g", "Euler's constant"};
  for k = 1:rows (names)
    printf ("%s to 1000 digits:\n", names{k, 2});
    demo_lines (num2str (wr_constant (names{k, 1}, p), 1000));
  endfor

  text = "(#pi*2 - 1/3) * 1e-5";
  x = widereal (text, p);
  printf ("\nwidereal ('%s', %d):\n  %s\n\n", text, p, num2str (x, 60));
endfunction
