## -*- texinfo -*-
## @deftypefn {} {@var{v} =} wr_toieee (@var{w}, @var{p}, @var{bits}, @var{emin}, @var{emax})
## The elements with words @var{w} (p+1 rows, one column each) rounded to
## nearest, ties to even, into a binary format of @var{bits} significant
## bits, smallest subnormal 2^@var{emin} and largest exponent @var{emax}
## (53, -1074, 1023 for double; 24, -149, 127 for single), returned as a
## row of doubles holding those values exactly.  Every word counts: the
## words past the first fraction word act as a sticky bit.
##
## @example
## v = wr_toieee (x.w, x.p, 24, -149, 127);   # single (v) is exact
## @end example
## @end deftypefn
function v = wr_toieee (w, p, bits, emin, emax)
  n = columns (w);
  v = zeros (1, n);
  if (n == 0)
    return;
  endif
  neg = bitand (w(1, :), 0x8000000000000000u64) != 0;
  field = bitand (w(1, :), 0x7fffffffffffffffu64);
  e = double (int64 (field) - int64 (4611686018427387903));
  zero = field == 0;
  inf = field == 0x7fffffffffffffffu64 | e > emax;
  ## 64-bit significand S = 1.f; the last bit of the first word is sticky
  sticky = bitand (w(2, :), uint64 (1)) != 0;
  if (p >= 2)
    sticky |= any (w(3:end, :) != 0, 1);
  endif
  S = bitor (0x8000000000000000u64, bitshift (w(2, :), -1));
  kept = min (bits, e - emin + 1);         # fewer bits for subnormals
  ok = ! zero & ! inf & kept >= 1;
  if (any (ok))
    sh = 64 - kept(ok);
    q = bitshift (S(ok), -sh);
    r = S(ok) - bitshift (q, sh);
    half = bitshift (uint64 (1), sh - 1);
    up = r > half | (r == half & (sticky(ok) | bitand (q, uint64 (1)) != 0));
    v(ok) = pow2 (double (q) + up, e(ok) - 63 + sh);
  endif
  tiny = ! zero & ! inf & kept == 0;       # in [2^(emin-1), 2^emin): above half?
  v(tiny) = 2^emin * (S(tiny) > 0x8000000000000000u64 | sticky(tiny));
  v(inf) = Inf;
  v(neg) = -v(neg);
endfunction
