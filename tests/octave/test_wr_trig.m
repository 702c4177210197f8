## Tests of wr_sin and wr_cos: known digits, pi, symmetry, the Pythagorean
## identity, bad arguments and aliasing.
1;

%!function y = trig (name, x, p)
%!  y = zeros (p + 1, 1, "uint64");
%!  feval (name, y, x, p, zeros (2 * p + 5, 1, "uint64"));
%!endfunction
%!function x = parse (text, p)
%!  x = zeros (p + 1, 1, "uint64");
%!  wr_parse (text, x, p);
%!endfunction
%!function r = op (name, a, b, p)
%!  r = zeros (p + 1, 1, "uint64");
%!  feval (name, r, a, b, p);
%!endfunction

%!test # known digits: 3 (second quadrant after reduction), 0.9 (first)
%! p = 4;
%! x = wr_fromdouble (3, p);
%! assert (ulp_error (trig ("wr_sin", x, p), ...
%!         parse ("0.14112000805986722210074480280811027984693326425226558415188264123242200996701447", p), p) <= 4);
%! assert (ulp_error (trig ("wr_cos", x, p), ...
%!         parse ("-0.98999249660044545727157279473126130239367909661558832881408593292832919751313322", p), p) <= 2);
%! x = parse ("0.9", p);
%! assert (ulp_error (trig ("wr_sin", x, p), ...
%!         parse ("0.78332690962748338846138231571354862314014792572030960356048515256195421632397816", p), p) <= 2);
%! assert (ulp_error (trig ("wr_cos", x, p), ...
%!         parse ("0.62160996827066445648471615140713350872176136659123900757638348453897803196035607", p), p) <= 2);

%!test # near pi: cos(pi_p) = -1 and sin(pi_p) = pi - pi_p, the part of pi below p words
%! for p = [2 9 60]
%!   pi_p = zeros (p + 1, 1, "uint64");
%!   wr_const ("pi", pi_p, p);
%!   q = 2 * p + 1;
%!   pi_q = zeros (q + 1, 1, "uint64");
%!   wr_const ("pi", pi_q, q);
%!   tail = op ("wr_sub", pi_q, [pi_p; zeros(p + 1, 1, "uint64")], q);   # exact
%!   assert (ulp_error (trig ("wr_cos", pi_p, p), wr_fromdouble (-1, p), p) <= 1, "p = %d", p);
%!   s = trig ("wr_sin", pi_p, p);
%!   assert (ulp_error (s, tail(1:p + 1), p) <= 4, "p = %d", p);
%! endfor

%!test # symmetry bit for bit, zeros, identity sin^2 + cos^2 = 1, doubles
%! p = 6;
%! for d = [1e-40 0.5 0.75 0.9 3 100 -7e5 1e15]
%!   x = wr_fromdouble (d, p);
%!   mx = wr_fromdouble (-d, p);
%!   s = trig ("wr_sin", x, p);
%!   c = trig ("wr_cos", x, p);
%!   assert (trig ("wr_sin", mx, p), [bitxor(s(1), uint64 (9223372036854775808)); s(2:end)]);
%!   assert (trig ("wr_cos", mx, p), c);
%!   r = wr_zeros (1, p);
%!   wr_sum_all (r, [op("wr_mul", s, s, p); op("wr_mul", c, c, p)], 2, p);
%!   assert (ulp_error (r, wr_fromdouble (1, p), p) <= 8, "x = %g", d);
%!   assert ([wr_todouble(s) wr_todouble(c)], [sin(d) cos(d)], 4 * eps);
%! endfor
%! assert (trig ("wr_sin", wr_fromdouble (-0, p), p), wr_fromdouble (-0, p));
%! assert (trig ("wr_cos", wr_fromdouble (-0, p), p), wr_fromdouble (1, p));
%! d = [-3; 0.1; 2];
%! assert (wr_todoubles (wr_map ("cos", wr_fromdouble (d, p), p), p), cos (d), 4 * eps);
%! assert (wr_todoubles (wr_map ("sin", wr_fromdouble (d, p), p), p), sin (d), 4 * eps);

%!error <sin : domain error, argument is infinite> trig ("wr_sin", wr_fromdouble (-Inf, 2), 2)
%!error <argument too large> trig ("wr_cos", [uint64(4611686018427453439); 0; 0], 2)   # 2^65536

%!shared p, x
%! p = 2;
%! x = wr_fromdouble (1.5, p);
%!error <expected 4 arguments> wr_sin (wr_zeros (1, p), x, p, zeros (9, 1), 1)
%!error <work.*holds 8 words, needs 9> wr_cos (wr_zeros (1, p), x, p, zeros (8, 1, "uint64"))
%!error <res.*holds 2 words> wr_sin (zeros (2, 1, "uint64"), x, p, zeros (9, 1))
%!error <outside 1..1023> wr_cos (wr_zeros (1, p), x, -1, zeros (9, 1))
%!error <must be a real> wr_sin (wr_zeros (1, p), {x}, p, zeros (9, 1))

%!test # aliasing: res, x and work as one array give what distinct arrays give
%! p = 3;
%! x = wr_fromdouble (2.5, p);
%! for name = {"wr_sin", "wr_cos"}
%!   want = trig (name{1}, x, p);
%!   big = [x; zeros(2 * p + 5, 1, "uint64")];
%!   feval (name{1}, big, big, p, big);
%!   assert (big(1:p + 1), want);
%! endfor
