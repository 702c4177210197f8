## Tests of complex widereals across the class: construction from complex
## numbers and texts, conversions, display and text, indexing and
## assignment that mix real and complex arrays, Octave's order of complex
## numbers (comparisons, sort, max, min, unique), sums and dot products
## rounded once per part, save and load, and the methods that refuse
## complex arrays with widefp:complex.
##
## References: Octave's own results for complex doubles (exact inputs, so
## that the widereal results must agree exactly), texts read by widereal
## (each correctly rounded), and sums whose exact values are known
## (2^-100, 1) where rounding at each step would lose them.
1;

%!test
%! ## construction: complex doubles exactly, texts of both parts
%! z = widereal ([1+2i, complex(-0.5, -2^-60); 3, complex(0, -0)], 2);
%! assert (iscomplex (z) && precision (z) == 2);
%! assert (double (z), [1+2i, complex(-0.5, -2^-60); 3, complex(0, -0)]);
%! assert (1 ./ imag (double (z))(2, 2), -Inf);
%! assert (iscomplex (widereal (complex (1, 0))));   # kept complex
%! t = widereal ({"1/3+2/3i", "-i", "2.5e-3-4e+2j", "#pi", "#e-#pi*i", "(1+1)i"}, 3);
%! assert (real (t) == widereal ({"1/3", "0", "2.5e-3", "#pi", "#e", "0"}, 3));
%! assert (imag (t) == widereal ({"2/3", "-1", "-4e+2", "0", "-#pi", "2"}, 3));
%! u = widereal ("3.5", "2/3", 2);
%! assert (iscomplex (u) && precision (u) == 2);
%! assert (imag (u) == widereal ("2/3", 2));
%! assert (isreal (widereal ({"1", "#pi"})));
%! c = widereal (single (1.5-2i));
%! assert (double (c), 1.5-2i);
%! assert (class (single (c)), "single");
%! assert (single (c), single (1.5-2i));
%! ## a change of precision rounds each part
%! assert (widereal (t(1), 1) == widereal ("1/3+2/3i", 1));

%!test
%! ## display and texts
%! z = widereal ([1.5+2i; -3-0.25i], 2);
%! assert (evalc ("disp (z)"), "  1.5 +    2i\n   -3 - 0.25i\n");
%! assert (strtrim (evalc ("disp (widereal (1-0.5i))")), "1 - 0.5i");
%! assert (num2str (widereal ("1/3+2i", 1), 10), "0.3333333333+2i");
%! assert (mat2str (z.'), "[1.5+2i -3-0.25i]");
%! assert (char (widereal (complex (0, -2))), "0-2i");
%! assert (sprintf ("%g,%g;", z), "1.5,2;-3,-0.25;");
%! assert (sprintf ("%.25f", widereal ("1/3i", 2)), ...
%!         "0.00000000000000000000000000.3333333333333333333333333");
%! assert (! isempty (strfind (evalc ("z"), "2x1 complex widereal")));

%!test
%! ## indexing, assignment and concatenation mixing real and complex
%! z = widereal ([1+2i, 3, -1i]);
%! assert (isreal (z(2)) && double (z(2)) == 3);      # narrowed, as Octave
%! assert (iscomplex (z(3)));
%! r = widereal ([1 2]);
%! r(2) = 1i;
%! assert (double (r), [1, 1i]);
%! r(4) = 2;
%! assert (double (r), [1, 1i, 0, 2]);
%! r(2) = 5;
%! assert (isreal (r) && isequal (double (r), [1 5 0 2]));
%! r(3) = widereal ("1+1i", 5);
%! assert (precision (r) == 5 && iscomplex (r));
%! r(3) = [];
%! assert (isreal (r));
%! c = [widereal([1 2]), 3i; widereal(4i), 5, 6];
%! assert (double (c), [1 2 3i; 4i 5 6]);
%! assert (isreal ([widereal([1 2]), complex(3, 0)]));
%! A = [1+2i 3; -4i 5-1i];
%! w = widereal (A);
%! assert (double (w'), A');
%! assert (double (w.'), A.');
%! assert (double (diag (w)), diag (A));
%! assert (double (tril (w)), tril (A));
%! assert (double (triu (w, 1)), triu (A, 1));
%! assert (double (repmat (w, 1, 2)), repmat (A, 1, 2));
%! assert (double (circshift (w, 1)), circshift (A, 1));
%! assert (double (flip (w, 2)), flip (A, 2));
%! assert (double (permute (reshape (w, 1, 2, 2), [3 2 1])), permute (reshape (A, 1, 2, 2), [3 2 1]));
%! assert (double (conj (w)), conj (A));
%! assert (double (-w), -A);
%! assert (double (floor (widereal (1.5-2.5i))), 1-3i);
%! assert (double (round (widereal ([2.5+0.4i, -1.5i]))), [3, -2i]);

%!test
%! ## predicates and comparisons: equality of both parts, Octave's order
%! A = [1+1i, 0, complex(0, -0); 1i, -1, complex(0, Inf)];
%! w = widereal (A);
%! assert (logical (w), logical (A));
%! assert (nnz (w), nnz (A));
%! assert (any (w), any (A));
%! assert (all (w, 2), all (A, 2));
%! assert (isinf (w), isinf (A));
%! assert (isfinite (w), isfinite (A));
%! assert (w == A, A == A);
%! assert (w != 1i, A != 1i);
%! assert (isequal (w, A) && ! isequal (w, conj (A)));
%! B = [1i, 2, -2i, 1+1i; -1, 0.5i, 2i, 1];
%! C = [-1i, 2i, 2, 1-1i; 1i, 0.5, -2, -1];
%! assert (widereal (B) < C, B < C);
%! assert (widereal (B) >= widereal (C), B >= C);
%! assert (B <= widereal (C), B <= C);
%! assert (widereal (B) > C, B > C);

%!test
%! ## sort, max, min and unique in Octave's order (modulus, then argument)
%! v = [1i, 1, -1, -1i, 2, complex(-1, -0), 0.5+0.5i, -2i];
%! [s, i] = sort (widereal (v));
%! [s0, i0] = sort (v);
%! assert (double (s), s0);
%! assert (i, i0);
%! M = [1i 1 -1 -1i; 2 3i -2i 0.5; 1 1 1i 1i];
%! [s, i] = sort (widereal (M), 2, "descend");
%! [s0, i0] = sort (M, 2, "descend");
%! assert (double (s), s0);
%! assert (i, i0);
%! [m, i] = max (widereal (M));
%! [m0, i0] = max (M);
%! assert (double (m), m0);
%! assert (i, i0);
%! [m, i] = min (widereal (M), [], 2);
%! [m0, i0] = min (M, [], 2);
%! assert (double (m), m0);
%! assert (i, i0);
%! assert (double (max (widereal (M), 1.5)), max (M, 1.5));
%! assert (double (min (2i, widereal (M))), min (2i, M));
%! [u, i, j] = unique (widereal ([1, 1i, 1, -1i, 1i, -1]));
%! [u0, i0, j0] = unique ([1, 1i, 1, -1i, 1i, -1]);
%! assert (double (u), u0);
%! assert (i, i0);
%! assert (j, j0);

%!test
%! ## sums and dot products rounded once per part
%! z = widereal ([1+1i, complex(2^-100, -2^-100), -1-1i], 1);
%! s = sum (z);                          # each part kept wider than p
%! assert (real (s) == 2^-100 && imag (s) == -2^-100);
%! assert (double (cumsum (z)), [1+1i, 1+1i, complex(2^-100, -2^-100)]);
%! assert (isreal (sum (widereal ([1+2i, 3-2i]))));
%! a = widereal ([complex(2^100, 1), 1], 1);
%! b = widereal ([complex(2^100, 1), -2^200], 1);
%! d = dot (a, b);                       # (2^200 + 1) - 2^200
%! assert (isreal (d) && d == 1);
%! d = dot (widereal ([1i; 2]), [3; 1i]);   # conj (a).' * b
%! assert (double (d), dot ([1i; 2], [3; 1i]));
%! A = [1+2i 3-1i; 0.5i 2];
%! assert (double (sum (widereal (A), 2)), sum (A, 2));
%! assert (double (dot (widereal (A), A)), dot (A, A));
%! m = mean (widereal ({"1+1i", "2+3i", "4+5i"}, 2));
%! assert (real (m) == widereal ("7/3", 2) && imag (m) == 3);
%! assert (mean (widereal ([1i 2i]), "double"), 1.5i);

%!test
%! ## save and load keep both parts exactly
%! z = widereal ({"1/3+2/3i", "-#pi*i"; "#e", "1e-300-1e300i"}, 3);
%! f = [tempname() ".dat"];
%! unwind_protect
%!   for fmt = {"-binary", "-text", "-v7", "-mat"}
%!     save (fmt{1}, f, "z");
%!     s = load (f);
%!     assert (iscomplex (s.z) && precision (s.z) == 3);
%!     assert (isequal (s.z, z));
%!   endfor
%! unwind_protect_cleanup
%!   unlink (f);
%! end_unwind_protect

%!test
%! ## the methods for real arrays only refuse complex ones, Octave lives on
%! z = widereal ([1+2i, 3-1i]);
%! Z = widereal ([1+1i 2; 3 4i]);
%! f = {@median, @mode, @(x) x:3, @(x) 1:x, ...
%!      @(x) mod (x, 2), @(x) rem (3, x), @(x) idivide (x, 2), ...
%!      @gamma, @gammaln, @erf, @erfc, @(x) beta (x, 1), @cbrt, ...
%!      @(x) nthroot (x, 3), @(x) atan2 (1, x), ...
%!      @(x) pow2 (x), @factorial, @realsqrt, @reallog, @(x) realpow (x, 2), ...
%!      @int32, @uint8, @(x) polyfit (x, [1 2], 1), ...
%!      @(x) mod (widereal (1), 1i)};
%! for k = 1:numel (f)
%!   try
%!     f{k} (z);
%!     error ("no error from %s", func2str (f{k}));
%!   catch err
%!     assert (err.identifier, "widefp:complex", func2str (f{k}));
%!     assert (! isempty (strfind (err.message, "complex widereals are not supported yet")));
%!   end_try_catch
%! endfor
%! for g = {@norm, @cond, @qr, @svd, @chol, @expm, @logm, @sqrtm, @hess, ...
%!          @balance, @null, @orth, @pinv, @rank}
%!   try
%!     g{1} (Z);
%!     error ("no error from %s", func2str (g{1}));
%!   catch err
%!     assert (err.identifier, "widefp:complex", func2str (g{1}));
%!   end_try_catch
%! endfor
%! assert (double (widereal (2) + 1), 3);   # alive

%!error <not supported> num2str (widereal (1i), "%g")
%!error <cannot convert> widereal ({1i})
