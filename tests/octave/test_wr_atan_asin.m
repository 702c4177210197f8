## Tests of wr_atan and wr_asin: pi recovered from both, symmetry, the
## arcsine's domain error, bad arguments and aliasing.
1;

%!function y = watan (x, p, cache)
%!  y = zeros (p + 1, 1, "uint64");
%!  wr_atan (y, x, p, zeros (2 * p + 4, 1, "uint64"), cache);
%!endfunction
%!function y = wasin (x, p)
%!  y = zeros (p + 1, 1, "uint64");
%!  wr_asin (y, x, p, zeros (5 * p + 10, 1, "uint64"));
%!endfunction
%!function x = scaled (x, k, p)    # x * k, truncated
%!  r = zeros (p + 1, 1, "uint64");
%!  wr_scale (r, x, wr_fromdouble (k, p), 1, p);
%!  x = r;
%!endfunction

%!test # 4 atan 1 and 6 asin(1/2) are pi; asin 1 is pi/2 to the word
%! for p = [2 5 40]
%!   pi_p = zeros (p + 1, 1, "uint64");
%!   wr_const ("pi", pi_p, p);
%!   cache = zeros (500 * (p + 2), 1, "uint64");
%!   assert (ulp_error (scaled (watan (wr_fromdouble (1, p), p, cache), 4, p), pi_p, p) <= 4, "p = %d", p);
%!   assert (ulp_error (scaled (wasin (wr_fromdouble (0.5, p), p), 6, p), pi_p, p) <= 8, "p = %d", p);
%!   half_pi = pi_p;
%!   half_pi(1) -= 1;
%!   assert (wasin (wr_fromdouble (1, p), p), half_pi);
%!   half_pi(1) = bitor (half_pi(1), uint64 (9223372036854775808));
%!   assert (wasin (wr_fromdouble (-1, p), p), half_pi);
%! endfor

%!test # known digits: atan 0.1 (series only), asin 0.9 (reflected path)
%! p = 4;
%! atan01 = wr_zeros (1, p);
%! wr_parse ("0.099668652491162027378446119878020590243278322504314648015508776810027747447550654", atan01, p);
%! asin09 = wr_zeros (1, p);
%! wr_parse ("1.1197695149986341866866770558453996158951621864033028823756818639144375371065333", asin09, p);
%! tenth = wr_zeros (1, p);
%! wr_parse ("0.1", tenth, p);
%! nine = wr_zeros (1, p);
%! wr_parse ("0.9", nine, p);
%! assert (ulp_error (watan (tenth, p, zeros (500 * (p + 2), 1, "uint64")), atan01, p) <= 2);
%! assert (ulp_error (wasin (nine, p), asin09, p) <= 4);

%!test # odd symmetry bit for bit, signed zeros, huge arguments, double check
%! p = 3;
%! cache = zeros (500 * (p + 2), 1, "uint64");
%! for d = [1e-30 0.3 0.7 1 5 1e20]
%!   a = watan (wr_fromdouble (d, p), p, cache);
%!   b = watan (wr_fromdouble (-d, p), p, cache);
%!   assert (b, [bitxor(a(1), uint64 (9223372036854775808)); a(2:end)]);
%!   assert (wr_todouble (a), atan (d), 2 * eps);
%!   if (d <= 1)
%!     a = wasin (wr_fromdouble (d, p), p);
%!     b = wasin (wr_fromdouble (-d, p), p);
%!     assert (b, [bitxor(a(1), uint64 (9223372036854775808)); a(2:end)]);
%!     assert (wr_todouble (a), asin (d), 2 * eps);
%!   endif
%! endfor
%! assert (watan (wr_fromdouble (-0, p), p, cache), wr_fromdouble (-0, p));
%! assert (wasin (wr_fromdouble (-0, p), p), wr_fromdouble (-0, p));
%! assert (wr_todoubles (wr_map ("atan", wr_fromdouble ([Inf; -Inf], p), p), p), [pi/2; -pi/2]);
%! assert (wr_todoubles (wr_map ("asin", wr_fromdouble ([0.25; -0.875], p), p), p), asin ([0.25; -0.875]), 2 * eps);

%!error <asin : domain error> wasin (wr_fromdouble (2, 2), 2)
%!error <asin : domain error> wasin (wr_fromdouble (-Inf, 2), 2)
%!error <asin : domain error> wasin (uint64 ([4611686018427387903; 0; 1]), 2)   # 1 + 2^-128

%!test # a domain error leaves res untouched, the session goes on
%! p = 2;
%! y = wr_fromdouble (7, p);
%! try
%!   wr_asin (y, wr_fromdouble (1.5, p), p, zeros (5 * p + 10, 1, "uint64"));
%!   error ("accepted");
%! catch err
%!   assert (err.identifier, "widefp:domain");
%! end_try_catch
%! assert (y, wr_fromdouble (7, p));
%! assert (wr_todouble (wasin (wr_fromdouble (0.5, p), p)), pi / 6, eps);

%!shared p, x
%! p = 2;
%! x = wr_fromdouble (0.5, p);
%!error <expected 4 arguments> wr_asin (wr_zeros (1, p), x, p)
%!error <work.*holds 19 words, needs 20> wr_asin (wr_zeros (1, p), x, p, zeros (19, 1, "uint64"))
%!error <work1.*holds 7 words, needs 8> wr_atan (wr_zeros (1, p), x, p, zeros (7, 1), zeros (2000, 1))
%!error <cache.*needs 2000> wr_atan (wr_zeros (1, p), x, p, zeros (8, 1), zeros (1999, 1))
%!error <outside 1..1023> wr_asin (wr_zeros (1, p), x, 1024, zeros (20, 1))
%!error <must be a real> wr_atan (wr_zeros (1, p), x, p, {1}, zeros (2000, 1))
%!error <shares memory> wr_atan (c = zeros (2000, 1, "uint64"), x, p, zeros (8, 1), c)
%!error <neither all zero nor filled at p = 2> wr_atan (wr_zeros (1, p), x, p, zeros (8, 1), [1; zeros(1999, 1)])

%!test # aliasing: res, x and work as one array give what distinct arrays give
%! p = 3;
%! x = wr_fromdouble (0.9, p);
%! want = wasin (x, p);
%! big = [x; zeros(5 * p + 10, 1, "uint64")];
%! wr_asin (big, big, p, big);
%! assert (big(1:p + 1), want);
%! cache = zeros (500 * (p + 2), 1, "uint64");
%! want = watan (x, p, cache);
%! y = x;
%! wr_atan (y, y, p, zeros (2 * p + 4, 1, "uint64"), cache);
%! assert (y, want);
