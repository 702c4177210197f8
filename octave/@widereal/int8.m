## -*- texinfo -*-
## @deftypefn {} {@var{y} =} int8 (@var{x})
## The widereal array @var{x} as int8: rounded to the nearest integer (halves
## away from zero) and saturated at the class's limits, as Octave converts
## doubles, but exactly.
##
## @example
## int8 (widereal ("2.5"))   # 3
## @end example
## @end deftypefn
function y = int8 (x)
  wr_realonly ("int8", x);
  y = wr_conv ("toint", x.p, x.w, "int8", x.sz);
endfunction
