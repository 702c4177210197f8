## -*- texinfo -*-
## @deftypefn {} {@var{y} =} int32 (@var{x})
## The widereal array @var{x} as int32: rounded to the nearest integer (halves
## away from zero) and saturated at the class's limits, as Octave converts
## doubles, but exactly.
##
## @example
## int32 (widereal ("2.5"))   # 3
## @end example
## @end deftypefn
function y = int32 (x)
  wr_realonly ("int32", x);
  y = wr_conv ("toint", x.p, x.w, "int32", x.sz);
endfunction
