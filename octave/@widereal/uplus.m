## -*- texinfo -*-
## @deftypefn {} {@var{y} =} uplus (@var{x})
## @code{+x}: @var{x} unchanged.
##
## @example
## y = +widereal (1)
## @end example
## @end deftypefn
function y = uplus (x)
  y = x;
endfunction
