## -*- texinfo -*-
## @deftypefn {} {@var{y} =} squeeze (@var{x})
## The widereal array @var{x} without its singleton dimensions (as for
## numeric arrays, a 2-D array stays as it is).
##
## @example
## size (squeeze (widereal (zeros (1, 1, 3))))   # [3 1]
## @end example
## @end deftypefn
function y = squeeze (x)
  y = wr_index (x, squeeze (reshape (1:prod (x.sz), x.sz)));
endfunction
