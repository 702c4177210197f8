## -*- texinfo -*-
## @deftypefn {} {@var{y} =} uint32 (@var{x})
## The widereal array @var{x} as uint32: rounded to the nearest integer (halves
## away from zero) and saturated at the class's limits, as Octave converts
## doubles, but exactly.
##
## @example
## uint32 (widereal ("2.5"))   # 3
## @end example
## @end deftypefn
function y = uint32 (x)
  wr_realonly ("uint32", x);
  y = wr_conv ("toint", x.p, x.w, "uint32", x.sz);
endfunction
