## -*- texinfo -*-
## @deftypefn {} {@var{y} =} int16 (@var{x})
## The widereal array @var{x} as int16: rounded to the nearest integer (halves
## away from zero) and saturated at the class's limits, as Octave converts
## doubles, but exactly.
##
## @example
## int16 (widereal ("2.5"))   # 3
## @end example
## @end deftypefn
function y = int16 (x)
  wr_realonly ("int16", x);
  y = wr_conv ("toint", x.p, x.w, "int16", x.sz);
endfunction
