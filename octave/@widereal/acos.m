## -*- texinfo -*-
## @deftypefn {} {@var{r} =} acos (@var{x})
## Element-wise arccosine of the widereal array @var{x}, in [0, pi].  For
## |x| <= 1/2 it is pi/2 - asin (x); nearer to +-1, where that difference
## would cancel, 2 asin (sqrt ((1-x)/2)) and pi - 2 asin (sqrt ((1+x)/2)),
## whose 1 -+ x is exact.  Each step is truncated toward zero (the square
## root lies a few units of the last place from the exact one), so the
## result is within a few units of the last place; acos (1) = 0 exactly.
## |x| > 1 raises @code{widefp:domain}.
##
## @example
## 3 * acos (widereal (0.5, 8))        # pi to about 512 bits
## acos (widereal ("0.999999", 8))     # 1.4142136802e-3, no digits lost
## @end example
## @seealso{asin, cos}
## @end deftypefn
function r = acos (x)
  p = x.p;
  mag = bitand (x.w(1, :), 0x7fffffffffffffffu64);
  one = mag == 0x3fffffffffffffffu64 & all (x.w(2:end, :) == 0, 1);
  if (any (mag > 0x3fffffffffffffffu64 | (mag == 0x3fffffffffffffffu64 & ! one)))
    error ("widefp:domain", "acos: |x| > 1 has no real arccosine");
  endif
  n = columns (x.w);
  neg = bitand (x.w(1, :), 0x8000000000000000u64) != 0;
  near = mag >= 0x3ffffffffffffffeu64 & ! (mag == 0x3ffffffffffffffeu64
                                           & all (x.w(2:end, :) == 0, 1));
  R = zeros (p + 1, n, "uint64");           # |x| > 1/2 goes by the half angle
  k = ! near;
  if (any (k))
    t = wr_new (wr_pi (p, -1), p, [1 1]) - asin (wr_new (x.w(:, k), p, [1 nnz(k)]));
    R(:, k) = t.w;
  endif
  k = near & ! neg;
  if (any (k))
    t = asin (sqrt ((1 - wr_new (x.w(:, k), p, [1 nnz(k)])) ./ 2)) .* 2;
    R(:, k) = t.w;
  endif
  k = near & neg;
  if (any (k))
    t = asin (sqrt ((1 + wr_new (x.w(:, k), p, [1 nnz(k)])) ./ 2)) .* 2;
    t = wr_new (wr_pi (p), p, [1 1]) - t;
    R(:, k) = t.w;
  endif
  r = wr_new (R, p, x.sz);
endfunction

%!test
%! ## near +-1 no digits are lost to cancellation (mpmath at 45 digits);
%! ## pi/2 - asin (x) was 640 units of the last place off at p = 1
%! r = acos (widereal ([1-2^-20, 2^-20-1; 1, -1], 1));
%! e = widereal ({"1.38106804176241718210883847756746694048570649e-3", ...
%!                "3.14021158554803082128053454480193541725668369"}, 1);
%! assert (all (abs (double ((r(1, :) - e) ./ e)) < 2^-61));
%! assert (double (r(2, 1)), 0);
%! assert (r(2, 2) == 2 * acos (widereal (0, 1)));
%! assert (double (acos (widereal ([0.5 -0.5 0 0.7], 2))), acos ([0.5 -0.5 0 0.7]), 4e-16);
%!error <arccosine> acos (widereal (1 + 2^-52))
