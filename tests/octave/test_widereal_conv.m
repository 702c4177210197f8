## The conversion gateway wr_conv and the class's conversions through it:
## exact values at the ends of every range, the words it makes, and bad
## arguments refused with Octave still running.  Reference values are exact
## dyadic numbers, or (marked) nearest values computed with mpmath at 250
## digits.
1;

%!test
%! ## words made from numbers, checked word by word; -0 and Inf keep their sign
%! b = 0x3fffffffffffffffu64;                           # exponent field of 1
%! s = 0x8000000000000000u64;                           # sign bit
%! W = wr_conv ("fromnum", 2, [1.5 -0 -Inf 2^-1074]);
%! assert (W(:, 1), [b; 2^63; 0]);
%! assert (W(:, 2), [s; 0; 0]);
%! assert (W(:, 3), [intmax("uint64"); 0; 0]);
%! assert (W(:, 4), [b - 1074; 0; 0]);
%! assert (wr_conv ("fromnum", 1, intmin ("int64")), [s + b + 63; 0]);
%! assert (wr_conv ("fromnum", 1, intmax ("uint64")), [b + 63; intmax("uint64") - 1]);
%! assert (wr_conv ("fromnum", 1, int64 (-3)), [s + b + 1; s]);
%! assert (wr_conv ("scalar", 3, -0.75), [s + b - 1; s; 0; 0]);
%! assert (wr_conv ("fromnum", 1, sparse ([0 -2])), [0 s + b + 1; 0 0]);
%! assert (wr_conv ("fromnum", 1, single (-2^-149)), [s + b - 149; 0]);
%! assert (wr_conv ("fromnum", 1, true (1, 0)), zeros (2, 0, "uint64"));
%!test
%! ## every class converted exactly, and back
%! for c = {"int8", "uint8", "int16", "uint16", "int32", "uint32", "int64", "uint64"}
%!   v = [intmin(c{1}) intmax(c{1})];
%!   x = widereal (v, 1);
%!   assert (feval (c{1}, x), v);
%!   assert (feval (c{1}, x + [-0.5 0.5]), v);            # saturated
%! endfor
%! assert (num2str (widereal (intmax ("uint64") - 1)), "18446744073709551614");
%! s = single ([realmin("single")/8 -realmax("single") 2^-149]);
%! assert (single (widereal (s)), s);
%! assert (double (widereal ([realmin -realmax 2^-1074 -2^-1074])), [realmin -realmax 2^-1074 -2^-1074]);
%!test
%! ## to double at the ends of the range: ties to even, overflow, underflow
%! t = widereal (2^-1074, 3);
%! assert (double (t * 2.5), 2^-1073);                    # subnormal tie: even
%! assert (double (t * 3.5), 2^-1072);
%! assert (double (t * 2.5 + t * 2^-126), 3 * 2^-1074);   # broken by a far word
%! assert (double (-t / 2), -0);
%! assert (1 / double (-t / 2), -Inf);
%! assert (double (t / 2 + t * 2^-160), 2^-1074);
%! m = widereal (realmax, 3);
%! assert (double (m + 2^970), Inf);                      # half an ulp: to even, Inf
%! assert (double (-(m + 2^970 - 2^900)), -realmax);
%! assert (double (widereal ("-1e100000")), -Inf);
%! assert (1 / double (widereal ("-1e-100000")), -Inf);
%! ## mpmath: 1e-310 = 20240225330731.06... * 2^-1074, 2/3 2^-1022 = ...330.67 * 2^-1074
%! assert (double (widereal ("1e-310")), 20240225330731 * 2^-1074);
%! assert (double (widereal ("2/3", 2) * realmin), 3002399751580331 * 2^-1074);
%!test
%! ## to single: one rounding from every word, never through a double
%! assert (single (widereal (realmax ("single"), 2) + 2^103), single (Inf));
%! assert (single (-(widereal (realmax ("single"), 2) + 2^103 - 2^50)), -realmax ("single"));
%! assert (single (widereal (2^-150)), single (0));        # tie with zero: even
%! assert (single (widereal (2^-150, 3) + 2^-300), single (2^-149));
%! assert (single (widereal (2^-149, 2) * 1.5), single (2^-148));
%! ## mpmath: 1e-40 = 71362.38... * 2^-149
%! assert (single (widereal ("1e-40")), single (71362 * 2^-149));
%! assert (size (single (widereal (zeros (3, 0)))), [3 0]);
%!test
%! ## integer roundings: carries across words into the exponent, signed zeros
%! x = widereal (2, 3) ^ 128 - widereal ("1/1024", 3);     # 2^128 - 2^-10
%! assert (ceil (x) == widereal (2, 3) ^ 128);
%! assert (floor (-x) == -(widereal (2, 3) ^ 128));
%! assert (round (x) == widereal (2, 3) ^ 128);
%! assert (fix (x) == widereal (2, 3) ^ 128 - 1);
%! y = widereal ([0.5 -0.5 0.49 -0.49 1e-300 -1e-300 1.5 -2.5]);
%! assert (double (round (y)), [1 -1 0 -0 0 -0 2 -3]);
%! assert (1 ./ double (round (y(3:6))), [Inf -Inf Inf -Inf]);
%! assert (double (floor (y)), [0 -1 0 -1 0 -1 1 -3]);
%! assert (double (ceil (y)), [1 -0 1 -0 1 -0 2 -2]);
%! assert (1 ./ double (ceil (y([2 4 6]))), [-Inf -Inf -Inf]);
%! assert (1 ./ double (fix (y(3:4))), [Inf -Inf]);
%! z = widereal (2, 1) ^ 64 - 0.5;                         # all 64 fraction bits used
%! assert (round (z) == widereal (2, 1) ^ 64);
%! assert (uint64 (z), intmax ("uint64"));                 # the half rounds up: saturated
%! assert (uint64 (z - 0.5), intmax ("uint64"));
%! assert (uint64 (z - 1), intmax ("uint64"));             # 2^64 - 1.5: away from zero
%! assert (uint64 (z - 1.5), intmax ("uint64") - 1);
%!test
%! ## the words constructor keeps only the sign and exponent of zeros and
%! ## infinities; the gateway leaves its argument alone
%! W = uint64 ([2^63; 5]);                                   # -0 with a stray word
%! V = W;
%! R = wr_conv ("fromwords", 1, W);
%! assert (R, uint64 ([2^63; 0]));
%! assert (W, V);
%! assert (wr_conv ("tidy", 1, uint64 ([intmax("uint64") 7 9 0x3fffffffffffffff])),
%!         uint64 ([intmax("uint64") 9; 0 0x3fffffffffffffff]));
%! x = widereal (W, 1, "words");
%! assert (1 / double (x), -Inf);
%! N = wr_conv ("neg", 1, V);
%! assert ([N(1) V(1)], uint64 ([0 2^63]));
%! assert (wr_conv ("sign", 1, wr_conv ("fromnum", 1, [-3 -0 Inf])),
%!         uint64 ([0xbfffffffffffffff 0 0x3fffffffffffffff; 0 0 0]));
%! [zero, inf, neg] = wr_conv ("special", 1, wr_conv ("fromnum", 1, [-0 Inf 2]));
%! assert ([zero; inf; neg], logical ([1 0 0; 0 1 0; 1 0 0]));
%!error <nargin|expected> wr_conv ()
%!error <unknown operation> wr_conv ("nosuch", 1, uint64 ([0 0]))
%!error id=widefp:range wr_conv ("fromnum", 0, 1)
%!error id=widefp:range wr_conv ("todouble", 1024, zeros (1025, 1, "uint64"))
%!error id=widefp:type wr_conv ("fromnum", 1, {1})
%!error id=widefp:type wr_conv ("fromnum", 1, 1i)
%!error id=widefp:type wr_conv ("fromnum", 1, "a")
%!error id=widefp:domain wr_conv ("fromnum", 1, [1 NaN])
%!error id=widefp:domain wr_conv ("fromnum", 1, single (NaN))
%!error id=widefp:domain wr_conv ("fromnum", 1, sparse ([0 NaN]))
%!error id=widefp:domain wr_conv ("scalar", 1, NaN)
%!error id=widefp:type wr_conv ("scalar", 1, [1 2])
%!error id=widefp:type wr_conv ("scalar", 1, single (1))
%!error id=widefp:type wr_conv ("todouble", 1, [1 2])
%!error id=widefp:size wr_conv ("todouble", 2, uint64 ([1 2]))
%!error id=widefp:size wr_conv ("todouble", 1, uint64 ([1 2 3 4]), [3 1])
%!error id=widefp:size wr_conv ("tosingle", 1, uint64 ([1 2]), [1 -1])
%!error id=widefp:type wr_conv ("toint", 1, uint64 ([1 2]), "int128")
%!error id=widefp:type wr_conv ("toint", 1, uint64 ([1 2]), 8)
%!error id=widefp:nargin wr_conv ("toint", 1, uint64 ([1 2]))
%!error id=widefp:nargin wr_conv ("neg", 1, uint64 ([1 2]), [1 1])
%!error id=widefp:nargout [a, b] = wr_conv ("abs", 1, uint64 ([1 2]))
%!error id=widefp:nargout [a, b, c, d] = wr_conv ("special", 1, uint64 ([1 2]))
%!error id=widefp:type wr_conv ("floor", 1, int64 ([1 2]))
%!test
%! ## random wrong arguments to every op: an error or a result, never a crash;
%! ## then the session still works
%! ops = {"fromnum", "scalar", "fromwords", "tidy", "neg", "abs", "sign", "fix", ...
%!        "floor", "ceil", "round", "todouble", "tosingle", "toint", "special", "x"};
%! pool = {uint64([]), zeros(3, 1, "uint64"), -1, NaN, Inf, 2^31, "int8", {1}, ...
%!         1i, 2, 1023, [2 2], sparse([1 0]), int64(5), true, zeros(0, 3)};
%! rand ("state", 11);
%! for trial = 1:400
%!   args = [ops(randi (numel (ops))), pool(randi (numel (pool), 1, randi ([0 4])))];
%!   try
%!     r = wr_conv (args{:});
%!   catch err
%!     assert (strncmp (err.identifier, "widefp:", 7), err.message);
%!   end_try_catch
%! endfor
%! assert (double (floor (widereal (-2.5))), -3);
