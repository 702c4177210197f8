## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_cxunary (@var{op}, @var{x})
## The element-wise function @var{op} of the widereal array @var{x} (real
## or complex) through the gateway wr_cplx: complex where @var{x} is
## complex or where a real element lies outside the real function's
## domain, each component rounded in the mode of @code{widereal_rounding};
## narrowed to real when every imaginary part is zero.
##
## @example
## r = wr_cxunary ("sqrt", widereal (-2));   # 0 + 1.4142...i
## @end example
## @end deftypefn
function r = wr_cxunary (op, x)
  [~, mode] = widereal_rounding ();
  r = x;
  r.w = wr_cplx (op, mode, x.p, x.w);
  r = wr_narrow (r);
endfunction
