## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_fromdouble (@var{d}, @var{p})
## Words (uint64 column, (p+1) per element) of the widereal numbers holding
## the numbers @var{d} exactly, at precision @var{p}.  Doubles and singles are
## converted exactly, infinities to the widereal infinity of their sign;
## integer classes (int64 and uint64 included, whose large values no double
## holds) exactly as integers.  NaN raises @qcode{"widefp:domain"}; bad
## arguments raise other @qcode{"widefp:"} errors.
##
## @example
## w = wr_fromdouble ([1.5 -Inf], 2);     # two elements of p+1 = 3 words
## dec2hex (w(1:2))                       # 3FFFFFFFFFFFFFFF 8000000000000000
## dec2hex (w(4))                         # FFFFFFFFFFFFFFFF: sign and top exponent
## @end example
## @end deftypefn
function w = wr_fromdouble (d, p)
  if (nargin != 2)
    error ("widefp:nargin", "wr_fromdouble: expected 2 arguments (d, p)");
  endif
  p = wr_need_count (p, "wr_fromdouble: p", 1, 2^31 - 2);
  if (! (isnumeric (d) || islogical (d)) || ! isreal (d))
    error ("widefp:type", "wr_fromdouble: d must be real numbers");
  endif
  if (isinteger (d))
    w = from_integers (d(:), p);
    return;
  endif
  d = double (d(:));
  if (any (isnan (d)))
    error ("widefp:domain", "wr_fromdouble: NaN has no widereal value");
  endif
  n = numel (d);
  w = zeros (p + 1, n, "uint64");
  bits = typecast (d, "uint64");
  sgn = bitand (bits, uint64 (9223372036854775808));
  b = bitand (bitshift (bits, -52), uint64 (2047));
  f = bitand (bits, uint64 (4503599627370495));
  bias = uint64 (4611686018427387903);       # 0x3fffffffffffffff
  for k = 1:n
    if (b(k) == 2047)                        # infinity
      w(1, k) = bitor (sgn(k), uint64 (9223372036854775807));
    elseif (b(k) == 0 && f(k) == 0)          # signed zero
      w(1, k) = sgn(k);
    elseif (b(k) == 0)                       # subnormal: normalise
      fr = bitshift (f(k), 12);
      e = -1022;
      while (bitand (fr, uint64 (9223372036854775808)) == 0)
        fr = bitshift (fr, 1);
        e -= 1;
      endwhile
      fr = bitshift (fr, 1);
      e -= 1;
      w(1, k) = bitor (sgn(k), bias - uint64 (-e));
      w(2, k) = fr;
    else
      e = double (b(k)) - 1023;
      if (e >= 0)
        w(1, k) = bitor (sgn(k), bias + uint64 (e));
      else
        w(1, k) = bitor (sgn(k), bias - uint64 (-e));
      endif
      w(2, k) = bitshift (f(k), 12);
    endif
  endfor
  w = w(:);
endfunction

## Integers of any integer class, exactly: 64 bits fit the hidden bit and
## the first fraction word.
function w = from_integers (v, p)
  n = numel (v);
  w = zeros (p + 1, n, "uint64");
  bias = uint64 (4611686018427387903);
  for k = 1:n
    sgn = uint64 (0);
    if (v(k) < 0)
      sgn = uint64 (9223372036854775808);
      mag = uint64 (-(int64 (v(k)) + 1)) + 1;   # intmin included
    else
      mag = uint64 (v(k));
    endif
    if (mag == 0)
      w(1, k) = sgn;
      continue;
    endif
    t = 63;                                     # the highest set bit
    while (bitand (mag, bitshift (uint64 (1), t)) == 0)
      t -= 1;
    endwhile
    w(1, k) = bitor (sgn, bias + uint64 (t));
    w(2, k) = bitshift (mag, 64 - t);           # the bits below it, at the top
  endfor
  w = w(:);
endfunction
