## -*- texinfo -*-
## @deftypefn {} {@var{y} =} uint8 (@var{x})
## The widereal array @var{x} as uint8: rounded to the nearest integer (halves
## away from zero) and saturated at the class's limits, as Octave converts
## doubles, but exactly.
##
## @example
## uint8 (widereal ("2.5"))   # 3
## @end example
## @end deftypefn
function y = uint8 (x)
  wr_realonly ("uint8", x);
  y = wr_conv ("toint", x.p, x.w, "uint8", x.sz);
endfunction
