## demo_decimal.m -- named constants to a thousand digits, and a typed
## expression read with wr_parse.
function demo_decimal ()
  p = 54;
  n = 1000;
  printf ("Decimal output at p = %d words (%d bits, about %d digits)\n", p, 64 * p, floor (64 * p * log10 (2)));
  printf ("----------------------------------------------------------\n");
  names = {"pi", "pi"; "e", "e"; "g", "Euler's constant"};
  for k = 1:rows (names)
    x = wr_zeros (1, p);
    wr_const (names{k, 1}, x, p);
    ## wr_todecimal + wr_sci_format: |x| = digits * 10^E, then the text
    digits = zeros (p + 2, 1, "uint64");
    e10 = zeros (1, 1, "int64");
    wr_todecimal (digits, e10, x, p);
    control = uint64 (p + 2) + bitshift (uint64 (n - 1), 16);
    s = wr_sci_format (control, digits, e10);
    printf ("%s to %d digits:\n", names{k, 2}, n);
    for i = 1:70:numel (s)
      printf ("  %s\n", s(i:min (i + 69, end)));
    endfor
  endfor

  if (exist ("wr_parse", "file"))
    text = "(#pi*2-1/3)*1e-5";  # no blanks: a blank ends the expression
    x = wr_zeros (1, p);
    wr_parse (text, x, p);
    printf ("\nwr_parse ('%s') at p = %d:\n  %s\n", text, p, wr_tostring (x, p, 60));
    printf ("  fixed, 40 places: %s\n", wr_tostring (x, p, 40, "f"));
  endif
  printf ("\n");
endfunction
