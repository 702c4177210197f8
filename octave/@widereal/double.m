## -*- texinfo -*-
## @deftypefn {} {@var{d} =} double (@var{x})
## The doubles nearest the widereal numbers @var{x}, same size.  Every word
## counts: ties go to even, subnormal results are rounded to nearest too,
## numbers beyond the double range become Inf or zero of their sign.
##
## @example
## double (widereal ("1/3"))   # 0.3333333333333333
## @end example
## @end deftypefn
function d = double (x)
  w = x.w;
  d = zeros (x.sz);
  if (isempty (d))
    return;
  endif
  neg = bitand (w(1, :), uint64 (9223372036854775808)) != 0;
  field = bitand (w(1, :), uint64 (9223372036854775807));
  e = double (int64 (field) - int64 (4611686018427387903));
  zero = field == 0;
  inf = field == uint64 (9223372036854775807) | e > 1023;
  ## 64-bit significand S = 1.f (the last bit of the first word is sticky)
  sticky = bitand (w(2, :), uint64 (1)) != 0;
  if (x.p >= 2)
    sticky |= any (w(3:end, :) != 0, 1);
  endif
  S = bitor (uint64 (9223372036854775808), bitshift (w(2, :), -1));
  n = min (53, e + 1074 + 1);            # bits kept: 53, fewer for subnormals
  ok = ! zero & ! inf & n >= 1;
  v = zeros (size (e));
  if (any (ok))
    sh = 64 - n(ok);
    q = bitshift (S(ok), -sh);
    r = S(ok) - bitshift (q, sh);
    half = bitshift (uint64 (1), sh - 1);
    up = r > half | (r == half & (sticky(ok) | bitand (q, uint64 (1)) != 0));
    v(ok) = pow2 (double (q) + up, e(ok) - 63 + sh);
  endif
  tiny = ! zero & ! inf & n == 0;         # in [2^-1075, 2^-1074): above half?
  v(tiny) = 2^-1074 * (S(tiny) > uint64 (9223372036854775808) | sticky(tiny));
  v(inf) = Inf;
  v(neg) = -v(neg);
  d(:) = v;
endfunction

%!test
%! ## ties to even, broken by any word below; subnormals rounded to nearest
%! x = widereal ("1 + 1/9007199254740992 + 1/1606938044258990275541962092341162602522202993782792835301376");
%! assert (double (x), 1 + 2^-52);
%! assert (double (widereal ("1 + 1/9007199254740992")), 1);
%! assert (double (widereal ("1 + 3/9007199254740992")), 1 + 2^-51);
%! tiny = @(e, f) double (widereal ([uint64(4611686018427387903) - e; f], 1, "words"));
%! assert (tiny (1074, 2^63), 2^-1073);         # 1.5 * 2^-1074: tie, to even
%! assert (tiny (1074, 2^62), 2^-1074);         # 1.25 * 2^-1074
%! assert (tiny (1075, 0), 0);                  # half the smallest: to even
%! assert (tiny (1075, 1), 2^-1074);
%! assert (tiny (1023, 2^63 + 3 * 2^12), 0.75 * 2^-1022 + 2^-1073);  # tie, odd
%! assert (double (widereal ("1e400")), Inf);
%! assert (1 / double (widereal ("-1e-400")), -Inf);
%! assert (double (widereal ([realmax -realmin pi])), [realmax -realmin pi]);
%! assert (size (double (widereal (zeros (0, 3)))), [0 3]);
