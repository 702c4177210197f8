## Tests of the rounding of the widereal class: the mode setting, operations
## and conversions in the four modes against MPFR, sums rounded once,
## integer and other powers, the gateways' argument checks, and no method
## writing into its operands or their copies.
##
## References: a C program with MPFR 4.2 computed each value at 64p+1 bits
## in the mode named (mpfr_div_ui, mpfr_sqrt, mpfr_set_str, mpfr_exp,
## mpfr_log, mpfr_sin, mpfr_atan2, mpfr_pow_si, mpfr_pow, with
## mpfr_set_emin (2 - 0x3fffffffffffffff)) and printed the widereal's words
## in hexadecimal, which widereal ("@...", p) reads exactly; the harmonic
## sum was summed at 400 bits and printed to 60 digits.
1;

%!function tf = same (x, hex, p)
%!  ## the words of x are those of the reference
%!  tf = isequal (struct (x).w, struct (widereal (["@" hex], p)).w);
%!endfunction

%!function r = in_mode (mode, f)
%!  ## f () evaluated with the rounding mode set, the mode restored after
%!  old = widereal_rounding (mode);
%!  unwind_protect
%!    r = f ();
%!  unwind_protect_cleanup
%!    widereal_rounding (old);
%!  end_unwind_protect
%!endfunction

%!function r = p1_ops ()
%!  ## one operation of each kind at p = 1
%!  one = widereal (1, 1);
%!  v = widereal ([1 2^-70 2^-140], 1);       # 1 + 2^-70 + 2^-140 needs 141 bits
%!  r = {one / 3, -one ./ 3, -3 .\ one};
%!  r{end+1} = sqrt (widereal (2, 1));
%!  r{end+1} = widereal ("0.1", 1);
%!  r{end+1} = widereal ("-2.718281828459045235360287471352662497757", 1);
%!  r{end+1} = widereal (widereal ("1/3", 3), 1);
%!  r{end+1} = exp (one);
%!  r{end+1} = log (widereal (10, 1));
%!  r{end+1} = sin (widereal (1e22, 1));
%!  r{end+1} = atan2 (one, -1);
%!  r{end+1} = widereal (2, 1) .^ 0.5;
%!  r{end+1} = sum (v);
%!  r{end+1} = cumsum (v)(3);
%!  r{end+1} = dot (v, [1 1 1]);
%!  r{end+1} = v * [1; 1; 1];
%!endfunction

%!function r = powers (x, n)
%!  ## x .^ n with n as doubles and as widereals, and x * x * x as a product
%!  r = {x .^ n};
%!  r{2} = x .^ widereal (n, 1);
%!  r{3} = prod ([x x x]);
%!endfunction

%!shared MODES
%! MODES = {"nearest", "zero", "up", "down"};

%!test # one operation of each kind at p = 1 in the four modes (MPFR)
%!   third = {"3ffffffffffffffd:5555555555555555", "3ffffffffffffffd:5555555555555555", "3ffffffffffffffd:5555555555555556", "3ffffffffffffffd:5555555555555555"};
%!   mthird = {"bffffffffffffffd:5555555555555555", "bffffffffffffffd:5555555555555555", "bffffffffffffffd:5555555555555555", "bffffffffffffffd:5555555555555556"};
%!   sqrt2 = {"3fffffffffffffff:6a09e667f3bcc909", "3fffffffffffffff:6a09e667f3bcc908", "3fffffffffffffff:6a09e667f3bcc909", "3fffffffffffffff:6a09e667f3bcc908"};
%!   tenth = {"3ffffffffffffffb:999999999999999a", "3ffffffffffffffb:9999999999999999", "3ffffffffffffffb:999999999999999a", "3ffffffffffffffb:9999999999999999"};
%!   mtexte = {"c000000000000000:5bf0a8b145769535", "c000000000000000:5bf0a8b145769535", "c000000000000000:5bf0a8b145769535", "c000000000000000:5bf0a8b145769536"};
%!   exp1 = {"4000000000000000:5bf0a8b145769535", "4000000000000000:5bf0a8b145769535", "4000000000000000:5bf0a8b145769536", "4000000000000000:5bf0a8b145769535"};
%!   log10 = {"4000000000000000:26bb1bbb5551582e", "4000000000000000:26bb1bbb5551582d", "4000000000000000:26bb1bbb5551582e", "4000000000000000:26bb1bbb5551582d"};
%!   sin1e22 = {"bffffffffffffffe:b453ab76bf3970fa", "bffffffffffffffe:b453ab76bf3970fa", "bffffffffffffffe:b453ab76bf3970fa", "bffffffffffffffe:b453ab76bf3970fb"};
%!   atan2m = {"4000000000000000:2d97c7f3321d234f", "4000000000000000:2d97c7f3321d234f", "4000000000000000:2d97c7f3321d2350", "4000000000000000:2d97c7f3321d234f"};
%!   sum3 = {"3fffffffffffffff:0000000000000000", "3fffffffffffffff:0000000000000000", "3fffffffffffffff:0000000000000001", "3fffffffffffffff:0000000000000000"};
%! for k = 1:4
%!   r = in_mode (MODES{k}, @p1_ops);
%!   want = {third, mthird, mthird, sqrt2, tenth, mtexte, third, exp1, log10, sin1e22, ...
%!           atan2m, sqrt2, sum3, sum3, sum3, sum3};
%!   for j = 1:numel (r)
%!     assert (same (r{j}, want{j}{k}, 1), sprintf ("%s: result %d", MODES{k}, j));
%!   endfor
%! endfor

%!test # the mode reaches every rounded operation: down below up where inexact
%! x = widereal ("#pi", 2);
%! ops = {@(a) a + 1e-30, @(a) a - 1e-30, @(a) a .* 3.1, @(a) a ./ 3, @(a) a .^ 3, ...
%!        @sqrt, @exp, @log, @sin, @cos, @tan, @(a) atan (a / 4), @(a) asin (a / 4), ...
%!        @(a) acos (a / 4), @(a) atan2 (a, 2), @(a) sum ([a a/8]), @(a) prod ([a a]), ...
%!        @(a) dot ([a 1], [a 1]), @(a) norm ([a 1]), @(a) widereal (a, 1), ...
%!        @(a) [a 1] * [a; 1], @(a) det ([a 1; 1 a]), @sinh, @(a) log2 (a), @(a) hypot (a, 1)};
%! for j = 1:numel (ops)
%!   lo = in_mode ("down", @() ops{j} (x));
%!   hi = in_mode ("up", @() ops{j} (x));
%!   z = in_mode ("zero", @() ops{j} (x));
%!   n = ops{j} (x);
%!   assert (lo < hi && (n == lo || n == hi) && (z == lo || z == hi), ...
%!           "operation %d", j);
%! endfor

%!test # the other elementary functions at p = 1, to nearest and up (MPFR)
%! want = {{"3ffffffffffffffe:0acd00fe63b96ca3", "3ffffffffffffffe:0acd00fe63b96ca4"}, ...   # sinh 0.5
%!         {"3fffffffffffffff:20ac1862ae8d0646", "3fffffffffffffff:20ac1862ae8d0646"}, ...   # cosh 0.5
%!         {"3ffffffffffffffd:d9353d7568af3651", "3ffffffffffffffd:d9353d7568af3652"}, ...   # tanh 0.5
%!         {"3ffffffffffffffd:ecc2caec5160994c", "3ffffffffffffffd:ecc2caec5160994c"}, ...   # asinh 0.5
%!         {"3ffffffffffffffe:193ea7aad030a977", "3ffffffffffffffe:193ea7aad030a977"}, ...   # atanh 0.5
%!         {"3fffffffffffffff:51242719804349be", "3fffffffffffffff:51242719804349bf"}, ...   # acosh 2
%!         {"3ffffffffffffffd:34413509f79fef31", "3ffffffffffffffd:34413509f79fef32"}, ...   # log10 2
%!         {"4000000000000000:a934f0979a3715fd", "4000000000000000:a934f0979a3715fd"}, ...   # log2 10
%!         {"3fffffffffffffdd:b7cdfd9d1d692bce", "3fffffffffffffdd:b7cdfd9d1d692bce"}, ...   # log1p 1e-10
%!         {"3fffffffffffffdd:b7cdfd9dda4e3432", "3fffffffffffffdd:b7cdfd9dda4e3433"}, ...   # expm1 1e-10
%!         {"4000000000000000:1e3779b97f4a7c16", "4000000000000000:1e3779b97f4a7c16"}};      # hypot 1, 2
%! h = widereal (0.5, 1);
%! t = widereal (1e-10, 1);
%! for k = 1:2
%!   r = in_mode (MODES{2 * k - 1}, @() [sinh(h), cosh(h), tanh(h), asinh(h), atanh(h), ...
%!                                        acosh(widereal (2, 1)), log10(widereal (2, 1)), ...
%!                                        log2(widereal (10, 1)), log1p(t), expm1(t), ...
%!                                        hypot(widereal (1, 1), 2)]);
%!   for j = 1:numel (want)
%!     assert (same (r(j), want{j}{k}, 1), "%s: function %d", MODES{2 * k - 1}, j);
%!   endfor
%! endfor

%!test # integer and other powers, correctly rounded (MPFR)
%! x11 = {{"4000000000000088:6aec8cd64a99df48", "4000000000000088:6aec8cd64a99df48", "4000000000000088:6aec8cd64a99df49", "4000000000000088:6aec8cd64a99df48"}, ...
%!        {"3fffffffffffff75:6927cd8545774bfa", "3fffffffffffff75:6927cd8545774bf9", "3fffffffffffff75:6927cd8545774bfa", "3fffffffffffff75:6927cd8545774bf9"}, ...
%!        {"40000000000006a0:654d5835d66609e4", "40000000000006a0:654d5835d66609e3", "40000000000006a0:654d5835d66609e4", "40000000000006a0:654d5835d66609e3"}, ...
%!        {"3fffffffffffffff:54bc6a7ef9db22d2", "3fffffffffffffff:54bc6a7ef9db22d2", "3fffffffffffffff:54bc6a7ef9db22d3", "3fffffffffffffff:54bc6a7ef9db22d2"}, ...
%!        {"3ffffffffffffffe:06bca92ef4a07c00", "3ffffffffffffffe:06bca92ef4a07bff", "3ffffffffffffffe:06bca92ef4a07c00", "3ffffffffffffffe:06bca92ef4a07bff"}};
%! n = [1000 -1000 12345 3 -7];
%! for k = 1:4
%!   x = in_mode (MODES{k}, @() widereal ("1.1", 1));
%!   assert (same (x, {"3fffffffffffffff:199999999999999a", "3fffffffffffffff:1999999999999999"}{2 - (k == 1 || k == 3)}, 1));
%!   x = widereal ("@3fffffffffffffff:199999999999999a", 1);    # 1.1 to nearest
%!   r = in_mode (MODES{k}, @() powers (x, n));
%!   for j = 1:numel (n)
%!     assert (same (r{1}(j), x11{j}{k}, 1) && same (r{2}(j), x11{j}{k}, 1), ...
%!             "%s: 1.1^%d", MODES{k}, n(j));
%!   endfor
%!   assert (same (r{3}, x11{4}{k}, 1));                 # a product rounded once
%! endfor
%! assert (same (widereal (3, 1) .^ 100, "400000000000009d:69194f299cdda159", 1));
%! assert (same (widereal (3, 1) ^ 100, "400000000000009d:69194f299cdda159", 1));
%! assert (widereal (3, 3) .^ 100 == widereal ("515377520732011331036461129765621272702107522001", 3));
%! y = widereal (1, 1) + 2^-64;                           # exact at p = 1
%! assert (same (y .^ (2^62), "3fffffffffffffff:48b5e3c3e8186676", 1));   # e^(1/4)
%! t = widereal ("1/3", 2);
%! assert (same (t .^ -77, "4000000000000079:079533feeae50ff7:1522037cb546b4d4", 2));
%! assert (same (widereal ("0.7", 2) .^ 100000, "3fffffffffff36fd:9aebc26d8d10f4fd:a2cc0d3a3a48b6c5", 2));
%! ## a negative base with an integer exponent of 2^53 or more (a domain
%! ## error before), as a widereal and as a double
%! assert (widereal (-1) .^ widereal (2^53) == 1);
%! assert (widereal (-1, 1) .^ (widereal (2^53, 1) + 1) == -1);
%! assert (double (widereal ([-1 -2 -0.5]) .^ (2^60)), [1 Inf 0]);
%! assert (double (widereal (-2, 1) .^ (widereal (2^64, 1) + 1)), -Inf);
%!test # a negative base to a non-integer power: the principal value, complex
%! z = widereal (-8) .^ widereal ("1/3");
%! assert (iscomplex (z));
%! r3 = widereal ("1.73205080756887729352744634150587236694280525381038062805580697945193301690880003708114619");
%! assert (double (abs (z - complex (widereal (1), r3))) < 2^-250);

%!test # a sum of 1e5 terms rounded once: a few units of the last place
%! ## (the sum of 1/k, k = 1..1e5, MPFR at 400 bits)
%! H = widereal ("12.09014612986342794736321936350421950079369894178220110162753", 4);
%! s = sum (1 ./ widereal (1:1e5, 2));
%! u = double ((widereal (s, 4) - H) * 2^125);            # units of s's last place
%! printf ("harmonic sum of 1e5 terms at p = 2: %.3f units of the last place off\n", u);
%! assert (abs (u) < 2);
%! ## each quotient rounded to nearest (within 2^-130 of its value), the sum
%! ## once more: 1/2 unit + 12 2^-130 over the exact sum at most
%! assert (abs (u) <= 0.5 + 12.1 / 32);

%!test # rounding to nearest: exact ties and exact differences
%! assert (3 * widereal ("1/3") == 1);                    # 1 - 2^-258, a tie: to even
%! assert (3 * widereal ("1/3", 1) == 1);
%! e = widereal ("1e-30");
%! assert (same (e, "3fffffffffffff9b:4484bfeebc29f863:424b06f3529a051a:31be599a3fc01407:6c7308e383ff2e1f", 4));
%! d = (1 + e) - 1;                                       # the subtraction is exact:
%! assert (same (d, "3fffffffffffff9b:4484bfeebc29f863:424b06f3529a051a:31be59a000000000:0000000000000000", 4));
%! assert (d + 1 == 1 + e && d != e);                     # e on the grid of 1's last place
%! assert (widereal ("1/3", 2) + widereal ("2/3", 2) == 1);

%!test # domain errors through the gateway; Octave carries on
%! bad = {@() widereal (Inf) - Inf, @() widereal (0) .* Inf, @() widereal (0) ./ 0, ...
%!        @() realsqrt (widereal (-1)), @() reallog (widereal (-2)), @() realpow (widereal (-2), 0.5), ...
%!        @() sin (widereal (-Inf)), ...
%!        @() sum (widereal ([Inf 1 -Inf])), @() prod (widereal ([0 Inf])), ...
%!        @() widereal ([0 1]) * [Inf; 1]};
%! for j = 1:numel (bad)
%!   try
%!     bad{j} ();
%!     error ("no error from case %d", j);
%!   catch err
%!     assert (err.identifier, "widefp:domain");
%!   end_try_catch
%! endfor
%! assert (double (widereal (1) + 1), 2);

%!test # the gateways check every argument before touching memory
%! w = struct (widereal ([1 2], 2)).w;
%! calls = {{"add", 0, 2, w}, {"add", 0, 2, w, w, w}, {"add", 0, 2, double(w), w}, ...
%!          {"add", 0, 2, w(1:5), w}, {"add", 0, 0, w, w}, {"add", 0, 1024, w, w}, ...
%!          {"add", 4, 2, w, w}, {"add", -1, 2, w, w}, {"add", 0.5, 2, w, w}, ...
%!          {"add", "up", 2, w, w}, {"add", [0 1], 2, w, w}, {"frob", 0, 2, w, w}, ...
%!          {42, 0, 2, w, w}, {"add", 0, 2, w, [w w w]}, {"add", 0, 2, int64(w), w}, ...
%!          {"add", 0, 2, w, true(6, 1)}, {"prec", 0, 2, w, 0}, {"prec", 0, 2, w, 3}, ...
%!          {"pow_si", 0, 2, w, 0.5}, {"pow_si", 0, 2, w, 2^63}, {"pow_si", 0, 2, w, "x"}, ...
%!          {"text", 0, 2, 5}, {"text", 0, 1023, "1"}, {"text", 0, 2, {"1", 2}}, ...
%!          {"text", 0, 2, "1+"}, {"text", 0, 2, ["1" char(0) "2"]}, {"text", 0, 2, "#tau"}};
%! for j = 1:numel (calls)
%!   try
%!     wr_rnd (calls{j}{:});
%!     error ("no error from wr_rnd call %d", j);
%!   catch err
%!     assert (strncmp (err.identifier, "widefp:", 7), "call %d: %s", j, err.identifier);
%!   end_try_catch
%! endfor
%! rcalls = {{"sum", 0, 2, w, 3, 1}, {"sum", 0, 2, w, 2}, {"sum", 0, 2, w, 2, 1, 1, 1, 1}, ...
%!           {"sum", 7, 2, w, 2, 1}, {"sum", 0, 2, w, -1, 1}, {"cumsum", 0, 2, w(2:end), 2, 1}, ...
%!           {"dot", 0, 2, w, w(1:3), 2, 1}, {"matmul", 0, 2, w, w, 2, 2, 2}, ...
%!           {"norm", 0, 2, w, 2, 1}, {"prod", 0, 2, "abc", 1, 1}};
%! for j = 1:numel (rcalls)
%!   try
%!     wr_rnd_reduce (rcalls{j}{:});
%!     error ("no error from wr_rnd_reduce call %d", j);
%!   catch err
%!     assert (strncmp (err.identifier, "widefp:", 7), "call %d: %s", j, err.identifier);
%!   end_try_catch
%! endfor
%! assert (isequal (w, struct (widereal ([1 2], 2)).w));   # arguments unchanged
%! assert (isequal (wr_rnd ("add", 0, 2, w, w), struct (widereal ([2 4], 2)).w));
%! [R, t] = wr_rnd ("div", 0, 1, struct (widereal (1, 1)).w, struct (widereal ([3 4], 1)).w);
%! assert (t, [-1 0]);                                    # 1/3 rounded down, 1/4 exact

%!test # isequal with NaN is false, as Octave's (it raised an error)
%! assert (! isequal (widereal (1), NaN));
%! assert (! isequal (NaN, widereal (1)));
%! assert (! isequal (widereal ([1 2]), [1 NaN]));

%!test # no method writes into its operands or a copy of them
%! ref = widereal ({"1/3", "-2", "0.75"; "0.1", "7", "#e"; "3", "-0.5", "1e-20"}, 3);
%! x = widereal ({"1/3", "-2", "0.75"; "0.1", "7", "#e"; "3", "-0.5", "1e-20"}, 3);
%! y = x;
%! z = x(:);
%! s = reshape (x, 1, 9);
%! v = x(:, 1);
%! c = v;
%! ops = {@(a) a + y, @(a) a - z(1), @(a) a .* y, @(a) a ./ y, @(a) y .\ a, @(a) a .^ 2, ...
%!        @(a) abs (a) .^ y, @(a) a ^ 3, @(a) a * y, @(a) a / y, @(a) a \ v, @(a) sqrt (abs (a)), ...
%!        @exp, @(a) log (abs (a)), @sin, @cos, @tan, @atan, @(a) asin (a / 8), ...
%!        @(a) acos (a / 8), @(a) atan2 (a, y), @sum, @(a) sum (a, 2), @prod, @cumsum, ...
%!        @(a) dot (a, y), @(a) dot (v, c), @inv, @det, @lu, @qr, @svd, @norm, ...
%!        @(a) norm (v), @(a) norm (a, 1), @cond, @(a) mod (a, y), @(a) widereal (a, 1), ...
%!        @(a) widereal (a, 5), @(a) isequal (a, y), @(a) a * v, @(a) v' * a, @sinh, @cosh, ...
%!        @tanh, @asinh, @(a) acosh (abs (a) + 1), @(a) atanh (a / 8), @(a) log2 (abs (a)), ...
%!        @(a) log10 (abs (a)), @(a) log1p (abs (a)), @expm1, @(a) hypot (a, y)};
%! for k = 1:numel (ops)
%!   for mode = {"nearest", "up"}
%!     in_mode (mode{1}, @() ops{k} (x));
%!   endfor
%! endfor
%! [L, U, P] = lu (x);
%! [U, S, V] = svd (x);
%! [Q, R] = qr (x);
%! w = struct (ref).w;
%! assert (isequal (struct (x).w, w) && isequal (struct (y).w, w));
%! assert (isequal (struct (z).w, w(:, :)) && isequal (struct (s).w, w));
%! assert (isequal (struct (v).w, w(:, 1:3)) && isequal (struct (c).w, w(:, 1:3)));

%!test # the setting: previous mode as text, kept through clear functions
%! ## (last: clear functions also removes the helper functions above)
%! assert (widereal_rounding (), "nearest");
%! old = widereal_rounding ("down");
%! unwind_protect
%!   assert (old, "nearest");
%!   assert (widereal_rounding ("UP"), "down");
%!   clear functions
%!   [m, code] = widereal_rounding ();
%!   assert ({m, code}, {"up", 2});
%!   hi = widereal (1, 1) / 3;                           # rounded up
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%! assert (widereal_rounding (), "nearest");
%! assert (hi > widereal (1, 1) / 3);                    # to nearest: down
%!error <MODE must be> widereal_rounding ("away")
%!error <MODE must be> widereal_rounding ({"up"})
