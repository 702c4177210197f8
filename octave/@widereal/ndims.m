## -*- texinfo -*-
## @deftypefn {} {@var{n} =} ndims (@var{x})
## Number of dimensions of the widereal array @var{x} (at least 2).
##
## @example
## ndims (widereal (zeros (2, 2, 2)))   # 3
## @end example
## @end deftypefn
function n = ndims (x)
  n = numel (x.sz);
endfunction
