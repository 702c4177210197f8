## -*- texinfo -*-
## @deftypefn {} {@var{r} =} asin (@var{x})
## Element-wise arcsine of the widereal array @var{x} with wr_asin, one
## element per call, computed at p+1 words and truncated toward zero to p;
## in [-pi/2, pi/2].  asin (+-0) = +-0, asin (+-1) = +-pi/2; |x| > 1
## raises @code{widefp:domain} (no complex widereals).
##
## @example
## 6 * asin (widereal (0.5, 8))   # pi to about 512 bits
## @end example
## @seealso{acos, sin, atan}
## @end deftypefn
function r = asin (x)
  [zero, inf, neg] = wr_special (x.w);
  mag = bitand (x.w(1, :), 0x7fffffffffffffffu64);
  one = mag == 0x3fffffffffffffffu64 & all (x.w(2:end, :) == 0, 1);
  if (any (inf | (mag >= 0x3fffffffffffffffu64 & ! one)))
    error ("widefp:domain", "asin: |x| > 1 has no real arcsine");
  endif
  R = zeros (x.p + 1, columns (x.w), "uint64");
  R(1, zero) = x.w(1, zero);
  if (any (one))
    R(:, one) = repmat (wr_pi (x.p, -1), 1, nnz (one));
    R(1, one & neg) = bitor (R(1, one & neg), 0x8000000000000000u64);
  endif
  k = ! (zero | one);
  if (any (k))
    R(:, k) = wr_elementary ("asin", x.w(:, k), x.p);
  endif
  r = x;
  r.w = R;
endfunction
