## -*- texinfo -*-
## @deftypefn {} {@var{r} =} acos (@var{x})
## Element-wise arccosine of the widereal array @var{x}: pi/2 - asin (x),
## each part truncated toward zero, in [0, pi]; acos (1) = 0 exactly.
## |x| > 1 raises @code{widefp:domain}.
##
## @example
## 3 * acos (widereal (0.5, 8))   # pi to about 512 bits
## @end example
## @seealso{asin, cos}
## @end deftypefn
function r = acos (x)
  r = wr_new (wr_pi (x.p, -1), x.p, [1 1]) - asin (x);
endfunction
