## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_fromdoubles (@var{d}, @var{p})
## Words (p+1 rows, one column per element) of the doubles @var{d}, exactly,
## at precision @var{p}: |d| = 2m * 2^(e-1) with [m, e] = log2 (|d|), so the
## fraction 2m-1 holds at most 52 bits.  Subnormals need no special case;
## infinities keep their sign.  NaN is the caller's business.
##
## @example
## w = wr_fromdoubles ([1 -0.5], 4);   # 5-by-2 uint64
## @end example
## @end deftypefn
function w = wr_fromdoubles (d, p)
  d = double (d(:)).';
  n = numel (d);
  w = zeros (p + 1, n, "uint64");
  if (n == 0)
    return;
  endif
  sgn = bitand (typecast (d, "uint64"), 0x8000000000000000u64);
  [m, e] = log2 (abs (d));
  fin = isfinite (d) & d != 0;
  e = e - 1;
  expo = zeros (1, n, "uint64");
  pos = fin & e >= 0;
  neg = fin & e < 0;
  expo(pos) = 0x3fffffffffffffffu64 + uint64 (e(pos));
  expo(neg) = 0x3fffffffffffffffu64 - uint64 (-e(neg));
  expo(isinf (d)) = 0x7fffffffffffffffu64;
  w(1, :) = bitor (sgn, expo);
  if (p >= 1)
    w(2, fin) = bitshift (uint64 ((2 * m(fin) - 1) * 2^52), 12);
  endif
endfunction
