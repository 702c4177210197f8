## -*- texinfo -*-
## @deftypefn {} {@var{y} =} wr_toint (@var{x}, @var{cls})
## The widereal array @var{x} converted to the integer class @var{cls}
## ("int8" ... "uint64") as Octave converts doubles: rounded to nearest,
## halves away from zero, saturating at the class's limits; here exactly,
## also for the 64-bit classes.  The rounded value is read from its words:
## an integer below 2^64 lies in the first 64 bits of 1.f.
##
## @example
## y = wr_toint (widereal ("18446744073709551615"), "uint64");
## @end example
## @end deftypefn
function y = wr_toint (x, cls)
  r = round (x);
  w = r.w;
  [zero, inf, neg] = wr_special (w);
  e = double (int64 (bitand (w(1, :), 0x7fffffffffffffffu64))
              - int64 (0x3fffffffffffffffu64));
  big = inf | (! zero & e > 63);
  ok = ! zero & ! big;
  mag = zeros (1, columns (w), "uint64");
  mag(big) = intmax ("uint64");
  if (any (ok))
    S = bitor (0x8000000000000000u64, bitshift (w(2, ok), -1));
    mag(ok) = bitshift (S, e(ok) - 63);
  endif
  y = cast (mag, cls);                      # saturates at intmax
  if (cls(1) == "u")
    y(neg) = 0;
  else
    small = neg & mag <= uint64 (intmax (cls));
    y(small) = -y(small);
    y(neg & ! small) = intmin (cls);
  endif
  y = reshape (y, x.sz);
endfunction
