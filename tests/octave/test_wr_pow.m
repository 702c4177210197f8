## Tests of wr_pow and wr_power: values, the sign rule for negative bases,
## zero bases, the domain error, bad arguments and aliasing.
1;

%!function z = wpow (x, y, p)
%!  z = zeros (p + 1, 1, "uint64");
%!  wr_pow (z, x, y, p, zeros (3 * p + 6, 1, "uint64"), zeros (500 * (p + 2), 1, "uint64"));
%!endfunction
%!function x = parse (text, p)
%!  x = zeros (p + 1, 1, "uint64");
%!  wr_parse (text, x, p);
%!endfunction

%!test # known digits and exact powers, within a few units of the last word
%! p = 4;
%! assert (ulp_error (wpow (wr_fromdouble (2, p), wr_fromdouble (0.5, p), p), ...
%!         parse ("1.414213562373095048801688724209698078569671875376948073176679737990732478462107", p), p) <= 4);
%! assert (ulp_error (wpow (wr_fromdouble (3, p), wr_fromdouble (0.25, p), p), ...
%!         parse ("1.3160740129524924608192189017969990551600685902058221767319226585958667951973021", p), p) <= 4);
%! for p = [1 2 8 100]
%!   assert (ulp_error (wpow (wr_fromdouble (2, p), wr_fromdouble (10, p), p), wr_fromdouble (1024, p), p) <= 8, "p = %d", p);
%!   assert (ulp_error (wpow (wr_fromdouble (10, p), wr_fromdouble (-3, p), p), parse ("0.001", p), p) <= 8, "p = %d", p);
%! endfor

%!test # negative bases with integer exponents; zero bases
%! p = 3;
%! m8 = wpow (wr_fromdouble (-2, p), wr_fromdouble (3, p), p);
%! assert (bitand (m8(1), uint64 (9223372036854775808)) != 0);
%! assert (ulp_error (m8, wr_fromdouble (-8, p), p) <= 4);
%! assert (ulp_error (wpow (wr_fromdouble (-2, p), wr_fromdouble (2, p), p), wr_fromdouble (4, p), p) <= 4);
%! assert (wpow (wr_fromdouble (0, p), wr_fromdouble (2, p), p), wr_fromdouble (0, p));
%! inf_word = uint64 (9223372036854775807);
%! for y = [0 -1]
%!   z = wpow (wr_fromdouble (0, p), wr_fromdouble (y, p), p);
%!   assert (z(1), inf_word);
%! endfor

%!test # wr_power: element-wise, a single element serving every other, doubles
%! p = 3;
%! X = wr_fromdouble ([2; 0.5; 9; 1e10], p);
%! Y = wr_fromdouble ([3; -2; 0.5; 0.1], p);
%! assert (wr_todoubles (wr_power (X, Y, p), p), [8; 4; 3; 10], 8 * eps);
%! assert (wr_todoubles (wr_power (X, wr_fromdouble (2, p), p), p), [4; 0.25; 81; 1e20], 8 * eps);
%! assert (wr_todoubles (wr_power (wr_fromdouble (-3, p), wr_fromdouble ([2; 3], p), p), p), [9; -27], 8 * eps);

%!error <pow : domain error, base is negative.> wpow (wr_fromdouble (-8, 2), wr_fromdouble (1/3, 2), 2)
%!error <pow : domain error, base is negative.> wr_power (wr_fromdouble ([2; -2], 2), wr_fromdouble (0.5, 2), 2)
%!error <X has 2 elements and Y 3> wr_power (wr_zeros (2, 2), wr_zeros (3, 2), 2)
%!error <expected 3 arguments> wr_power (wr_zeros (2, 2), wr_zeros (2, 2))

%!test # a domain error leaves res untouched, the session goes on
%! p = 2;
%! z = wr_fromdouble (7, p);
%! try
%!   wr_pow (z, wr_fromdouble (-8, p), wr_fromdouble (0.5, p), p, zeros (3 * p + 6, 1, "uint64"), zeros (500 * (p + 2), 1, "uint64"));
%!   error ("accepted");
%! catch err
%!   assert (err.identifier, "widefp:domain");
%! end_try_catch
%! assert (z, wr_fromdouble (7, p));
%! assert (wr_todouble (wpow (wr_fromdouble (9, p), wr_fromdouble (0.5, p), p)), 3, 2 * eps);

%!shared p, x, w, c
%! p = 2;
%! x = wr_fromdouble (3, p);
%! w = zeros (3 * p + 6, 1, "uint64");
%! c = zeros (500 * (p + 2), 1, "uint64");
%!error <expected 6 arguments> wr_pow (wr_zeros (1, p), x, x, p, w)
%!error <y \(exponent\).*holds 2 words> wr_pow (wr_zeros (1, p), x, x(1:2), p, w, c)
%!error <work1.*holds 11 words, needs 12> wr_pow (wr_zeros (1, p), x, x, p, w(1:11), c)
%!error <cache.*needs 2000> wr_pow (wr_zeros (1, p), x, x, p, w, c(1:1999))
%!error <outside 1..1023> wr_pow (wr_zeros (1, p), x, x, 2^31, w, c)
%!error <shares memory> wr_pow (wr_zeros (1, p), x, x, p, c, c)

%!test # aliasing: res as the exponent, the base, or inside work1
%! p = 3;
%! x = wr_fromdouble (1.75, p);
%! y = wr_fromdouble (-2.5, p);
%! want = wpow (x, y, p);
%! cache = zeros (500 * (p + 2), 1, "uint64");
%! work = zeros (3 * p + 6, 1, "uint64");
%! r = y;  r(1) += 0;                              # unshared copy of y
%! wr_pow (r, x, r, p, work, cache);
%! assert (r, want);
%! r = x;  r(1) += 0;
%! wr_pow (r, r, y, p, work, cache);
%! assert (r, want);
%! big = [x; zeros(3 * p + 6, 1, "uint64")];
%! wr_pow (big, big, y, p, big, cache);
%! assert (big(1:p + 1), want);
