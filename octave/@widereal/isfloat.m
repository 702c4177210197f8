## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isfloat (@var{x})
## True: widereal numbers are binary floating-point numbers, as doubles and
## singles are.
##
## @example
## isfloat (widereal (1))   # true
## @end example
## @seealso{isnumeric, isa}
## @end deftypefn
function tf = isfloat (x)
  tf = true;
endfunction

%!assert (isfloat (widereal (zeros (2, 0))))
