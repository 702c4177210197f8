## -*- texinfo -*-
## @deftypefn {} {@var{y} =} int64 (@var{x})
## The widereal array @var{x} as int64: rounded to the nearest integer (halves
## away from zero) and saturated at the class's limits, as Octave converts
## doubles, but exactly.
##
## @example
## int64 (widereal ("2.5"))   # 3
## @end example
## @end deftypefn
function y = int64 (x)
  wr_realonly ("int64", x);
  y = wr_conv ("toint", x.p, x.w, "int64", x.sz);
endfunction

%!test
%! x = widereal ({"2.5", "-2.5", "2.5-1e-50", "-0", "1e30", "-1e30", "-9223372036854775808", "-9223372036854775807.5"}, 3);
%! assert (int64 (x), int64 ([3 -3 2 0 intmax("int64") intmin("int64") intmin("int64") intmin("int64")]));
%! assert (uint64 (x), uint64 ([3 0 2 0 intmax("uint64") 0 0 0]));
%! assert (uint64 (widereal ("18446744073709551614.5")), intmax ("uint64"));
%! assert (int64 (widereal ("-9223372036854775806.5")), -intmax ("int64"));
%! assert (int8 (widereal ([127.5 -200 Inf -Inf])), int8 ([127 -128 127 -128]));
%! assert (uint32 (widereal ([1.5; 4294967295.4])), uint32 ([2; 4294967295]));
%! assert (size (int16 (widereal (zeros (2, 0)))), [2 0]);
