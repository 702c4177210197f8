## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_gtext (@var{w}, @var{p}, @var{n})
## Texts of the elements with words @var{w} (p+1 rows, one column each) in
## the manner of printf's %g with @var{n} significant digits: fixed
## notation when the decimal exponent lies in [-5, n), scientific
## otherwise, trailing zeros dropped.  Zeros keep their sign ("-0"),
## infinities read "Inf" and "-Inf".  A cell row, one text per element.
##
## Each element takes one wr_todecimal call; the scientific text tells the
## exponent, and a fixed text, when wanted, comes from the same digits.
## The decimal conversion takes p up to 1022: a widereal of p = 1023 is
## rounded to nearest at 1022 words first (65409 bits, some 19,690 digits).
##
## @example
## c = wr_gtext (x.w, x.p, 10);   # {"0.3333333333", "1e+100", "-Inf"}
## @end example
## @end deftypefn
function c = wr_gtext (w, p, n)
  if (p > 1022)
    w = wr_roundwords (w, p, 1022);
    p = 1022;
  endif
  m = columns (w);
  c = cell (1, m);
  [zero, inf, neg] = wr_special (w);
  base = uint64 (p + 2) + 0x0800000000000000u64;   # digit words; trim zeros
  for k = 1:m
    if (zero(k) || inf(k))
      c{k} = {"0", "Inf"}{1 + inf(k)};
      if (neg(k))
        c{k} = ["-" c{k}];
      endif
      continue;
    endif
    digits = zeros (p + 2, 1, "uint64");    # fresh arrays for the plug-in
    e10 = zeros (1, 1, "int64");
    wr_todecimal (digits, e10, w(:, k), p);
    control = base + neg(k) * 2^63;
    ## the formatter rounds the digit array in place: it gets a copy
    s = wr_sci_format (control + (n - 1) * 65536, digits + 0, e10 + 0);
    x10 = str2double (s(find (s == "e", 1) + 1:end));
    if (x10 >= -5 && x10 < n)
      s = wr_fix_format (control + (n - 1 - x10) * 65536, digits, e10);
    endif
    c{k} = s;
  endfor
endfunction
