## -*- texinfo -*-
## @deftypefn {} {@var{r} =} tan (@var{x})
## Element-wise tangent of the widereal array @var{x}: sin (x) ./ cos (x),
## each truncated toward zero, so within a few units of the last place.
## tan (+-0) = +-0; an infinity raises @code{widefp:domain}.
##
## @example
## tan (widereal ("#pi", 8) / 4)   # 1, to about 512 bits
## @end example
## @seealso{sin, cos, atan}
## @end deftypefn
function r = tan (x)
  n = columns (x.w);
  R = zeros (x.p + 1, n, "uint64");
  wr_div (R, wr_trig ("sin", x), wr_trig ("cos", x), n, x.p);
  r = x;
  r.w = R;
endfunction
