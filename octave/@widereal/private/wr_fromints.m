## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_fromints (@var{v}, @var{p})
## Words (p+1 rows, one column per element) of the 64-bit integers @var{v}
## (int64 or uint64), exactly, at precision @var{p} >= 1: the magnitude's
## top bit becomes the hidden bit and the 63 bits below it fill the first
## fraction word.
##
## @example
## w = wr_fromints (intmin ("int64"), 4);   # -2^63
## @end example
## @end deftypefn
function w = wr_fromints (v, p)
  v = v(:).';
  n = numel (v);
  w = zeros (p + 1, n, "uint64");
  if (isa (v, "int64"))
    negative = v < 0;
    mag = zeros (1, n, "uint64");
    mag(! negative) = uint64 (v(! negative));
    mag(negative) = uint64 (-(v(negative) + 1)) + 1;   # intmin included
  else
    negative = false (1, n);
    mag = v;
  endif
  nz = mag != 0;
  if (! any (nz))
    return;
  endif
  mag = mag(nz);
  t = min (63, floor (log2 (double (mag))));  # may be one too high: rounding
  high = bitshift (mag, -t) == 0;
  t(high) -= 1;
  top = bitshift (mag, 63 - t);         # top bit of the magnitude at bit 63
  w(1, nz) = bitor (0x3fffffffffffffffu64 + uint64 (t), ...
                    uint64 (negative(nz)) * 0x8000000000000000u64);
  w(2, nz) = bitshift (top, 1);
endfunction
