## -*- texinfo -*-
## @deftypefn {} {@var{y} =} uint64 (@var{x})
## The widereal array @var{x} as uint64: rounded to the nearest integer (halves
## away from zero) and saturated at the class's limits, as Octave converts
## doubles, but exactly.
##
## @example
## uint64 (widereal ("2.5"))   # 3
## @end example
## @end deftypefn
function y = uint64 (x)
  wr_realonly ("uint64", x);
  y = wr_conv ("toint", x.p, x.w, "uint64", x.sz);
endfunction
