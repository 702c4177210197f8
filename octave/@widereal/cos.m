## -*- texinfo -*-
## @deftypefn {} {@var{r} =} cos (@var{x})
## Element-wise cosine of the widereal array @var{x} (radians).
##
## Rounding: every value is the exact cosine correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  cos (+-0) = 1; an infinity raises
## @code{widefp:domain}, |x| >= 2^65536 @code{widefp:range}.
##
## @example
## cos (widereal ("#pi", 8) / 3)   # 0.5, to about 512 bits
## @end example
## @seealso{sin, tan, acos, widereal_rounding}
## @end deftypefn
function r = cos (x)
  r = x;
  r.w = wr_rnd ("cos", [], x.p, x.w);
endfunction
