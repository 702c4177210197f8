## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isreal (@var{x})
## True: widereal numbers are real.
##
## @example
## isreal (widereal (1))   # true
## @end example
## @end deftypefn
function tf = isreal (x)
  tf = true;
endfunction
