## Tests of the Octave-side helpers in octave/: exact conversions and their
## argument checks (every bad argument raises a widefp: error).
1;

%!test # wr_fromdouble: 64-bit integers exactly
%! w = wr_fromdouble (intmax ("uint64"), 2);
%! assert (w, [hex2num("400000000000003e", "uint64"); hex2num("fffffffffffffffe", "uint64"); 0]);
%! assert (wr_tostring (w, 2, 20), "1.8446744073709551615e+19");
%! assert (wr_fromdouble (intmin ("int64"), 1), [hex2num("c00000000000003e", "uint64"); 0]);
%! assert (wr_fromdouble (int8 ([-5 0 7]), 3), wr_fromdouble ([-5 0 7], 3));

%!test # wr_digits of an all-zero reference measures the absolute error
%! x = wr_zeros (3, 2);
%! assert (wr_digits (x, [0 0 0], 2), Inf);
%! x(4:6) = wr_fromdouble (2^-70, 2);
%! assert (wr_digits (x, [0 0 0], 2), -log10 (2^-70), 1e-12);

%!error id=widefp:domain wr_fromdouble (NaN, 2)
%!error id=widefp:type wr_fromdouble ("a", 2)
%!error id=widefp:range wr_fromdouble (1, 0)
%!error id=widefp:nargin wr_fromdouble (1)
%!error id=widefp:range wr_zeros (1.5, 2)
%!error id=widefp:range wr_zeros (-1, 2)
%!error id=widefp:type wr_zeros ([1 2], 2)
%!error id=widefp:range wr_tostring (wr_fromdouble (1, 2), 2, 65536, "f")
%!error id=widefp:range wr_tostring (wr_fromdouble (1, 2), 2, 70000)
%!error id=widefp:type wr_tostring (wr_fromdouble (1, 2), 2, 3, "g")
%!error id=widefp:size wr_tostring (wr_fromdouble (1, 2), 3, 3)
%!error id=widefp:size wr_element (wr_zeros (2, 2), 2, 2)
%!error id=widefp:size wr_byrows (wr_zeros (5, 1), 2, 3, 1)
%!error id=widefp:range wr_reciprocal (0, 2)
%!error id=widefp:range wr_hilbert (-1, 2)
%!error id=widefp:size wr_digits (wr_zeros (1, 2), [1 2], 2)
%!error id=widefp:nargin wr_todoubles (wr_zeros (1, 2))
