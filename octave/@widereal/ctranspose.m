## -*- texinfo -*-
## @deftypefn {} {@var{y} =} ctranspose (@var{x})
## @code{x'} for a 2-D widereal array; widereal numbers are real, so this
## is the transpose.
##
## @example
## y = widereal ([1 2 3])'   # 3x1
## @end example
## @end deftypefn
function y = ctranspose (x)
  y = wr_index (x, reshape (1:prod (x.sz), x.sz).');
  if (rows (x.w) > x.p + 1)
    y = conj (y);                           # complex: conjugated
  endif
endfunction
