## -*- texinfo -*-
## @deftypefn {} {@var{y} =} uint16 (@var{x})
## The widereal array @var{x} as uint16: rounded to the nearest integer (halves
## away from zero) and saturated at the class's limits, as Octave converts
## doubles, but exactly.
##
## @example
## uint16 (widereal ("2.5"))   # 3
## @end example
## @end deftypefn
function y = uint16 (x)
  wr_realonly ("uint16", x);
  y = wr_conv ("toint", x.p, x.w, "uint16", x.sz);
endfunction
