## -*- texinfo -*-
## @deftypefn {} {@var{r} =} exp (@var{x})
## Element-wise exponential of the widereal array @var{x} with wr_exp, one
## element per call, computed at p+1 words and truncated toward zero to p.
## exp (-Inf) = 0, exp (Inf) = Inf, exp (+-0) = 1.
##
## @example
## exp (widereal (1, 8))   # e to 512 bits: 2.7182818284590452353602874713526...
## @end example
## @seealso{log, power}
## @end deftypefn
function r = exp (x)
  [zero, inf, neg] = wr_special (x.w);
  R = zeros (x.p + 1, columns (x.w), "uint64");
  R(1, zero) = 0x3fffffffffffffffu64;
  R(1, inf & ! neg) = 0x7fffffffffffffffu64;  # exp (-Inf) stays +0
  k = ! (zero | inf);
  if (any (k))
    R(:, k) = wr_elementary ("exp", x.w(:, k), x.p);
  endif
  r = x;
  r.w = R;
endfunction
