## -*- texinfo -*-
## @deftypefn {} {@var{r} =} sin (@var{x})
## Element-wise sine of the widereal array @var{x} (radians) with wr_sin,
## one element per call, computed at p+1 words and truncated toward zero
## to p.  sin (+-0) = +-0; an infinity raises @code{widefp:domain}.
##
## @example
## sin (widereal ("#pi", 8) / 6)   # 0.5, to about 512 bits
## @end example
## @seealso{cos, tan, asin}
## @end deftypefn
function r = sin (x)
  r = x;
  r.w = wr_trig ("sin", x);
endfunction
