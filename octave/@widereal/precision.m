## -*- texinfo -*-
## @deftypefn {} {@var{p} =} precision (@var{x})
## The precision of the widereal @var{x} in 64-bit fraction words: @var{x}
## carries 64p+1 significant bits.
##
## @example
## precision (widereal (1, 8))   # 8
## @end example
## @end deftypefn
function p = precision (x)
  p = x.p;
endfunction
