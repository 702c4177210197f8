## -*- texinfo -*-
## @deftypefn {} {@var{y} =} transpose (@var{x})
## @code{x.'} for a 2-D widereal array.
##
## @example
## y = widereal ([1 2 3]).'   # 3x1
## @end example
## @end deftypefn
function y = transpose (x)
  y = wr_index (x, reshape (1:prod (x.sz), x.sz).');
endfunction
