## -*- texinfo -*-
## @deftypefn {} {@var{r} =} cos (@var{x})
## Element-wise cosine of the widereal array @var{x} (radians) with wr_cos,
## one element per call, computed at p+1 words and truncated toward zero
## to p.  cos (0) = 1; an infinity raises @code{widefp:domain}.
##
## @example
## cos (widereal ("#pi", 8) / 3)   # 0.5, to about 512 bits
## @end example
## @seealso{sin, tan, acos}
## @end deftypefn
function r = cos (x)
  r = x;
  r.w = wr_trig ("cos", x);
endfunction
