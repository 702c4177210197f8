## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_fromdouble (@var{d}, @var{p})
## Words (uint64 column, (p+1) per element) of the widereal numbers holding
## the doubles @var{d} exactly, at precision @var{p}.  Infinities become the
## widereal infinity of their sign; NaN is an error.
## @end deftypefn
function w = wr_fromdouble (d, p)
  if (nargin != 2 || ! isreal (d) || ! isscalar (p) || p < 1 || p != fix (p))
    print_usage ();
  endif
  d = double (d(:));
  if (any (isnan (d)))
    error ("wr_fromdouble: NaN has no widereal value");
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
