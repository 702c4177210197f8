## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_roundwords (@var{w}, @var{p}, @var{q})
## The words @var{w} (p+1 rows, one column per element) rounded to nearest,
## ties to even, at the smaller precision @var{q}.  A carry out of the
## fraction raises the exponent (the largest exponent becomes infinity).
##
## @example
## r = wr_roundwords (x.w, 8, 4);
## @end example
## @end deftypefn
function r = wr_roundwords (w, p, q)
  [zero, inf] = wr_special (w);
  w(2:end, zero | inf) = 0;            # their fraction words mean nothing
  r = w(1:q+1, :);
  g = w(q+2, :);
  half = 0x8000000000000000u64;
  up = g > half;
  tie = g == half;
  if (any (tie))
    rest = any (w(q+3:p+1, :) != 0, 1);
    up |= tie & (rest | bitand (r(q+1, :), uint64 (1)) != 0);
  endif
  allones = intmax ("uint64");
  for j = q+1:-1:2
    if (! any (up))
      break;
    endif
    wrap = up & r(j, :) == allones;
    r(j, up & ! wrap) += 1;
    r(j, wrap) = 0;
    up = wrap;
  endfor
  r(1, up) += 1;       # 1.111.. rounds to 2^(e+1); the top exponent is Inf
endfunction
