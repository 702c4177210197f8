## -*- texinfo -*-
## @deftypefn {} {@var{y} =} sign (@var{x})
## -1, 0 or 1 for each element of @var{x}, as widereal numbers of the same
## precision; both zeros give 0.
##
## @example
## y = sign (widereal ([-3 0 2]))   # [-1 0 1]
## @end example
## @end deftypefn
function y = sign (x)
  s = 1 - 2 * double (bitshift (x.w(1, :), -63));
  s(wr_iszerow (x.w)) = 0;
  y = widereal (reshape (s, x.sz), x.p);
endfunction
