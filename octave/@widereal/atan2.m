## -*- texinfo -*-
## @deftypefn {} {@var{r} =} atan2 (@var{y}, @var{x})
## Four-quadrant arctangent of @var{y} and @var{x}, in [-pi, pi], with
## Octave's values for zeros and infinities (atan2 (+-0, -0) = +-pi,
## atan2 (+-Inf, -Inf) = +-3pi/4, ...); operands, precision and
## broadcasting as for @code{plus}.  Elsewhere atan (y ./ x), moved by pi
## when x < 0; each step is truncated toward zero.
##
## @example
## atan2 (widereal (1, 8), -1)   # 3*pi/4
## @end example
## @seealso{atan}
## @end deftypefn
function r = atan2 (y, x)
  [yw, xw, p, sz] = wr_operands (y, x);
  [yzero, yinf, yneg] = wr_special (yw);
  [xzero, xinf, xneg] = wr_special (xw);
  n = columns (yw);
  P = wr_new (wr_pi (p), p, [1 1]);
  H = wr_new (wr_pi (p, -1), p, [1 1]);
  r = wr_new (zeros (p + 1, n, "uint64"), p, [1 n]);
  ## atan (y/x) where both are finite and x is not zero
  k = ! (yinf | xinf | xzero);
  if (any (k))
    t = atan (wr_new (yw(:, k), p, [1 nnz(k)]) ./ wr_new (xw(:, k), p, [1 nnz(k)]));
    r.w(:, k) = t.w;
  endif
  ## whole quadrant values: x = 0 or y infinite gives +-pi/2 (y = 0 aside)
  k = (xzero & ! yzero) | (yinf & ! xinf);
  r.w(:, k) = repmat (H.w, 1, nnz (k));
  k = yinf & xinf;
  if (any (k))
    q = H ./ 2;                                # pi/4 or 3pi/4
    q3 = P - q;
    r.w(:, k & ! xneg) = repmat (q.w, 1, nnz (k & ! xneg));
    r.w(:, k & xneg) = repmat (q3.w, 1, nnz (k & xneg));
  endif
  ## x < 0 (-0 and -Inf included): atan (y/x) + pi, or pi for y = 0
  k = xneg & ! yinf;
  if (any (k))
    t = wr_new (r.w(:, k), p, [1 nnz(k)]);
    t = P - abs (t);
    r.w(:, k) = t.w;
  endif
  ## y = 0 with x >= 0 keeps a zero; x = +Inf with finite y too
  k = (yzero & ! xneg) | (xinf & ! xneg & ! yinf);
  r.w(:, k) = 0;
  ## the sign follows y
  r.w(1, yneg) = bitor (r.w(1, yneg), 0x8000000000000000u64);
  r = reshape (r, sz);
endfunction
%!error <^atan2: nonconformant arguments \(op1 is 1x2, op2 is 2x3\)$> atan2 (widereal ([1 2]), ones (2, 3))
