## -*- texinfo -*-
## @deftypefn {} {@var{r} =} atan (@var{x})
## Element-wise arctangent of the widereal array @var{x} with wr_atan, one
## element per call, computed at p+1 words and truncated toward zero to p;
## in (-pi/2, pi/2).  atan (+-0) = +-0, atan (+-Inf) = +-pi/2.
##
## @example
## 4 * atan (widereal (1, 8))   # pi to about 512 bits
## @end example
## @seealso{atan2, tan, asin}
## @end deftypefn
function r = atan (x)
  [zero, inf, neg] = wr_special (x.w);
  R = zeros (x.p + 1, columns (x.w), "uint64");
  R(1, zero) = x.w(1, zero);
  if (any (inf))
    R(:, inf) = repmat (wr_pi (x.p, -1), 1, nnz (inf));
    R(1, inf & neg) = bitor (R(1, inf & neg), 0x8000000000000000u64);
  endif
  k = ! (zero | inf);
  if (any (k))
    R(:, k) = wr_elementary ("atan", x.w(:, k), x.p);
  endif
  r = x;
  r.w = R;
endfunction
