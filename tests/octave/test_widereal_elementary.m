## Tests of the widereal elementary functions (exp, log, power, sin, cos,
## tan, atan, atan2, asin, acos) through the plug-ins wr_exp, wr_log,
## wr_pow, wr_sin, wr_cos, wr_atan and wr_asin, at p = 4 (256 bits) against
## 85-digit values, with the special values and domain errors.
1;

%!function d = err (x, text)
%!  ## |x - text| / |text| as a double, formed in widereal arithmetic
%!  t = widereal (text, precision (x));
%!  d = double (abs ((x - t) ./ t));
%!endfunction

%!shared E, LN2, PI, SIN1, LN10
%! E = "2.718281828459045235360287471352662497757247093699959574966967627724076630353547594571";
%! LN2 = "0.6931471805599453094172321214581765680755001343602552541206800094933936219696947156059";
%! PI = "3.141592653589793238462643383279502884197169399375105820974944592307816406286208998628";
%! SIN1 = "0.8414709848078965066525023216302989996225630607983710656727517099919104043912396689486";
%! LN10 = "2.302585092994045684017991454684364207601101488628772976033327900967572609677352480236";

%!test # exp and log against known digits, inverse pairs, specials
%! assert (err (exp (widereal (1, 4)), E) < 1e-75);
%! assert (err (log (widereal (2, 4)), LN2) < 1e-75);
%! assert (err (log (widereal (10, 4)), LN10) < 1e-75);
%! x = widereal ([-20 -1 0.125 3 50], 4);
%! assert (double (abs (log (exp (x)) - x)) < 1e-73);
%! assert (double (exp (widereal ([0 -0 Inf -Inf]))), [1 1 Inf 0]);
%! assert (double (log (widereal ([1 0 -0 Inf]))), [0 -Inf -Inf Inf]);
%! assert (err (exp (widereal (1, 1)), E) < 1e-18);      # p = 1: at p = 2, rounded

%!test # sin, cos, tan: known digits, identities, specials
%! assert (err (sin (widereal (1, 4)), SIN1) < 1e-75);
%! p = widereal (PI, 4);
%! assert (double (abs (sin (p / 6) - 0.5)) < 1e-75);
%! assert (double (abs (cos (p / 3) - 0.5)) < 1e-75);
%! assert (double (abs (tan (p / 4) - 1)) < 1e-74);
%! x = widereal ([-7.5 -1 0.3 2 100 1e6], 4);
%! assert (double (abs (sin (x) .^ 2 + cos (x) .^ 2 - 1)) < 1e-72);
%! assert (1 ./ double (sin (widereal (-0))), -Inf);
%! assert (double (cos (widereal (0))), 1);

%!test # atan, asin, acos: pi from each, specials
%! assert (err (4 * atan (widereal (1, 4)), PI) < 1e-75);
%! assert (err (6 * asin (widereal (0.5, 4)), PI) < 1e-75);
%! assert (err (3 * acos (widereal (0.5, 4)), PI) < 1e-75);
%! assert (err (2 * atan (widereal (Inf, 4)), PI) < 1e-75);
%! assert (err (-2 * asin (widereal (-1, 4)), PI) < 1e-75);
%! assert (double (acos (widereal (1))), 0);
%! assert (err (acos (widereal (-1, 4)), PI) < 1e-75);
%! x = widereal ([-0.9 -0.3 0.01 0.7], 4);
%! assert (double (abs (sin (asin (x)) - x)) < 1e-73);
%! assert (double (abs (tan (atan (x)) - x)) < 1e-73);

%!test # atan2 over the quadrants, zeros and infinities, as Octave's doubles
%! y = [1 1 -1 -1 0 -0 0 -0 1 -1 Inf -Inf Inf -Inf 3 3];
%! x = [1 -1 1 -1 1 1 -1 -1 0 -0 2 2 Inf -Inf Inf -Inf];
%! r = atan2 (widereal (y, 4), x);
%! assert (double (r), atan2 (y, x), 4 * eps);
%! assert (sign (1 ./ double (r(5:8))), sign (1 ./ atan2 (y(5:8), x(5:8))));
%! assert (err (atan2 (widereal (1, 4), -1), "2.356194490192344928846982537459627163147877049531329365731208444230862304714656748971") < 1e-75);

%!test # power with non-integer exponents, and the reciprocal cache shared by log, atan, pow
%! assert (double (abs (widereal (2, 4) .^ 0.5 .^ 2 - 2)) < 1e-74);
%! assert (double (abs (widereal (10, 4) .^ widereal ("0.25", 4) .^ 4 - 10)) < 1e-73);
%! assert (err (widereal (2, 4) .^ (widereal (LN10, 4) ./ widereal (LN2, 4)), "10") < 1e-73);
%! a = log (widereal (3, 5));
%! atan (widereal (0.5, 5));
%! b = log (widereal (3, 5));
%! assert (double (a - b), 0);

%!error <widefp:domain|infinity> sin (widereal (Inf))
%!test # outside the real domain the results are complex, as Octave's
%! u = 2^-250;
%! z = log (widereal (-1));
%! assert (iscomplex (z) && real (z) == 0 && double (abs (imag (z) - wr_constant ("pi", 4))) < u);
%! z = asin (widereal (1.5));                 # pi/2 - acosh(1.5) i (mpmath)
%! assert (double (abs (real (z) - wr_constant ("pi", 4) / 2)) < u);
%! assert (double (abs (imag (z) - widereal ("-0.962423650119206894995517826848736846270368668771321039322036337680327735216443548824018858"))) < u);
%! z = widereal (-8) .^ (1/3);                # the double 1/3: close to 1 + sqrt(3) i
%! assert (iscomplex (z) && double (abs (z - complex (widereal (1), sqrt (widereal (3))))) < 1e-15);

%!test # no elementary function writes into its operand or a copy of it
%! x = widereal ([0.25 0.5 -0.75], 3);
%! y = x;
%! for f = {@exp, @log, @sin, @cos, @tan, @atan, @asin, @acos, @(a) atan2 (a, y), @(a) abs (a) .^ 0.5}
%!   try
%!     f{1} (x);
%!   end_try_catch                         # log of a negative: refused, nothing written
%! endfor
%! assert (isequal (x, widereal ([0.25 0.5 -0.75], 3)) && isequal (y, x));
