## -*- texinfo -*-
## @deftypefn {} {@var{c} =} columns (@var{x})
## Number of columns of the widereal array @var{x}.
##
## @example
## columns (widereal (zeros (2, 5)))   # 5
## @end example
## @end deftypefn
function c = columns (x)
  c = x.sz(2);
endfunction
