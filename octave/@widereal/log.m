## -*- texinfo -*-
## @deftypefn {} {@var{r} =} log (@var{x})
## Element-wise natural logarithm of the widereal array @var{x} with wr_log,
## one element per call, computed at p+1 words and truncated toward zero to
## p.  log (+-0) = -Inf, log (Inf) = Inf; a negative element raises
## @code{widefp:domain} (no complex widereals).
##
## @example
## log (widereal (2, 8))   # ln 2 to 512 bits: 0.69314718055994530941723212145818...
## @end example
## @seealso{exp, power}
## @end deftypefn
function r = log (x)
  [zero, inf, neg] = wr_special (x.w);
  if (any (neg & ! zero))
    error ("widefp:domain", "log: a negative number has no real logarithm");
  endif
  R = zeros (x.p + 1, columns (x.w), "uint64");
  R(1, zero) = 0xffffffffffffffffu64;          # -Inf
  R(1, inf) = 0x7fffffffffffffffu64;
  k = ! (zero | inf);
  if (any (k))
    R(:, k) = wr_elementary ("log", x.w(:, k), x.p);
  endif
  r = x;
  r.w = R;
endfunction
