## -*- texinfo -*-
## @deftypefn {} {@var{n} =} length (@var{x})
## Largest dimension of the widereal array @var{x}, 0 if it is empty.
##
## @example
## length (widereal (zeros (2, 5)))   # 5
## @end example
## @end deftypefn
function n = length (x)
  n = max (x.sz) * (prod (x.sz) != 0);
endfunction
