## Tests of wr_todouble and the Octave helpers that build numbers from doubles.
1;

%!shared bias
%! bias = uint64 (4611686018427387903);

%!test
%! assert (wr_todouble ([bias; 0]), 1.0);
%! assert (wr_todouble ([bias + 1; 0]), 2.0);
%! assert (wr_todouble ([bias; uint64(2)^63]), 1.5);

%!test # signed zeros
%! z = wr_todouble ([uint64(9223372036854775808); 0]);
%! assert (z, 0);
%! assert (1 / z, -Inf);
%! assert (1 / wr_todouble (uint64 ([0; 0])), Inf);

%!test # a tie in word 1 rounds away from zero
%! w = bitor (uint64 (2)^11, uint64 (0));
%! assert (wr_todouble ([bias; w]), 1 + 2^-52);

%!test # largest finite double and the carry to infinity
%! e1023 = bias + 1023;
%! assert (wr_todouble ([e1023; uint64(18446744073709549567)]), realmax);   # 0xfffffffffffff7ff
%! assert (wr_todouble ([e1023; uint64(18446744073709549568)]), Inf);       # 0xfffffffffffff800

%!test # subnormal results: to nearest, ties to even
%! assert (wr_todouble ([bias - 1023; 0]), 2^-1023);
%! assert (wr_todouble ([bias - 1074; 0]), 2^-1074);
%! assert (wr_todouble ([bias - 1074; uint64(2)^63]), 2^-1073);   # 1.5 units: to even
%! assert (wr_todouble ([bias - 1073; uint64(2)^62]), 2^-1073);   # 2.5 units: to even
%! assert (wr_todouble ([bias - 1075; uint64(2)^63]), 2^-1074);   # 0.75 units
%! assert (wr_todouble ([bias - 1075; 0]), 0);                    # half a unit: to even

%!test # infinities whatever the fraction
%! assert (wr_todouble ([uint64(9223372036854775807); 12345]), Inf);
%! assert (wr_todouble ([intmax("uint64"); 1]), -Inf);

%!test # only words 0 and 1 are read: a 2-word array of a p = 7 number
%! w = wr_fromdouble (pi, 7);
%! assert (wr_todouble (w(1:2)), pi);

%!test # doubles of every class round-trip through the Octave helper
%! d = [1, -1, 0.1, -pi, realmax, -realmax, realmin, 2^-1074, -2^-1074, 3*2^-1060, 1e300, Inf, -Inf];
%! for p = [1 2 5]
%!   w = wr_fromdouble (d, p);
%!   assert (wr_todoubles (w, p), d(:));
%! end
%! z = wr_fromdouble (-0, 3);
%! assert (z(1), uint64 (9223372036854775808));

%!test # other 8-byte classes are taken bit for bit
%! assert (wr_todouble (typecast ([bias; 0], "double")), 1.0);

%!error <expected 1 arguments> wr_todouble ()
%!error <expected 1 arguments> wr_todouble (uint64 ([1;2]), 3)
%!error <holds 1 words, needs 2> wr_todouble (uint64 (1))
%!error <must be a real> wr_todouble ("ab")
%!error <must be a real> wr_todouble (complex (uint64 ([1;2]), uint64 ([0;0])))
%!error <must be a real> wr_todouble (sparse ([1;2]))
%!error <must be a real> wr_todouble ({1, 2})

%!test # the session goes on after errors
%! try
%!   wr_todouble ();
%! catch err
%!   assert (err.identifier, "widefp:nargin");
%! end_try_catch
%! assert (wr_todouble ([bias; 0]), 1.0);
