## -*- texinfo -*-
## @deftypefn {} {@var{s} =} char (@var{x})
## Decimal text of the widereal array @var{x} with all the digits its
## precision carries; the same as @code{num2str (x)}.
##
## @example
## char (widereal ("0.1", 1))   # "0.1" (20 digits, trailing zeros dropped)
## @end example
## @end deftypefn
function s = char (x)
  s = num2str (x);
endfunction
