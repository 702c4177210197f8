## Tests of wr_todecimal, wr_sci_format, wr_fix_format and the helper
## wr_tostring: texts, control-word fields, bad arguments.
1;

%!function c = ctl (w, d, varargin)
%!  c = uint64 (w) + bitshift (uint64 (d), 16);
%!  for b = [varargin{:}]
%!    c = bitset (c, b + 1);
%!  endfor
%!endfunction

%!function d = sig (lead, frac1)   # a digit array of 3 words: lead + frac1 * 2^-64
%!  d = [uint64(lead); uint64(frac1); 0];
%!endfunction

%!test # scientific notation
%! half = uint64 (9223372036854775808);
%! assert (wr_sci_format (ctl (3, 4, 56), sig (1, half), int64 (0)), "1.5000E+0");
%! assert (wr_sci_format (ctl (3, 4), sig (1, half), int64 (0)), "1.5000e+0");
%! assert (wr_sci_format (ctl (3, 4, 59), sig (2, half), int64 (-3)), "2.5e-3");
%! assert (wr_sci_format (ctl (3, 0), sig (2, half), int64 (0)), "3e+0");
%! assert (wr_sci_format (ctl (3, 2, 63), sig (0, 0), int64 (0)), "-0.00e+0");
%! assert (wr_sci_format (ctl (3, 1), sig (9, uint64 (18446744073709551615)), int64 (41)), "1.0e+42");

%!test # fixed notation
%! half = uint64 (9223372036854775808);
%! assert (wr_fix_format (ctl (3, 2), sig (1, half), int64 (2)), "150.00");
%! assert (wr_fix_format (ctl (3, 0), sig (2, half), int64 (0)), "3");
%! assert (wr_fix_format (ctl (3, 2, 63), sig (0, 0), int64 (0)), "-0.00");
%! assert (wr_fix_format (ctl (3, 3), sig (5, 0), int64 (-4)), "0.001");
%! assert (wr_fix_format (ctl (3, 3), sig (4, 0), int64 (-4)), "0.000");
%! assert (wr_fix_format (ctl (3, 2, 59), sig (1, half), int64 (0)), "1.5");
%! assert (wr_fix_format (ctl (3, 2, 59), sig (1, 0), int64 (0)), "1");
%! assert (wr_fix_format (ctl (3, 1), sig (9, uint64 (18446744073709551615)), int64 (2)), "1000.0");

%!test # wr_todecimal: the digit array and exponent of a number
%! p = 3;
%! d = zeros (p + 2, 1, "uint64");
%! e10 = zeros (1, 1, "int64");
%! wr_todecimal (d, e10, wr_fromdouble (-12, p), p);
%! assert (e10, int64 (1));
%! assert (d(1), uint64 (1));
%! assert (wr_sci_format (ctl (p + 2, 5), d, e10), "1.20000e+1");
%! wr_todecimal (d, e10, wr_fromdouble (1, p), p);
%! assert (e10, int64 (0));
%! assert (d, [uint64(1); zeros(p + 1, 1, "uint64")]);
%! wr_todecimal (d, e10, wr_fromdouble (2^-1074, p), p);
%! assert (e10, int64 (-324));

%!test # wr_tostring through both notations, zero and infinity
%! p = 4;
%! x = zeros (p + 1, 1, "uint64");
%! wr_const ("pi", x, p);
%! assert (wr_tostring (x, p, 30), "3.14159265358979323846264338328e+0");
%! assert (wr_tostring (x, p, 5, "f"), "3.14159");
%! assert (wr_tostring (x, p, 3, "E"), "3.14E+0");
%! assert (wr_tostring (wr_fromdouble (-1234.5, p), p, 2, "f"), "-1234.50");
%! assert (wr_tostring (wr_fromdouble (-1234.5, p), p, 6, "e", true), "-1.2345e+3");
%! assert (wr_tostring (wr_fromdouble (0, p), p, 3), "0.00e+0");
%! assert (wr_tostring (wr_fromdouble (-0, p), p, 2, "f"), "-0.00");
%! assert (wr_tostring (wr_fromdouble (Inf, p), p, 3), "Inf");
%! assert (wr_tostring (wr_fromdouble (-Inf, p), p, 3, "f"), "-Inf");

%!test # 1,000 digits of pi at p = 54
%! p = 54;
%! x = zeros (p + 1, 1, "uint64");
%! wr_const ("pi", x, p);
%! s = wr_tostring (x, p, 1000);
%! assert (numel (s), 1001 + 3);
%! assert (s(1:12), "3.1415926535");
%! assert (s(end-22:end), "76611195909216420199e+0");

%!test # the formatters read the digit array and leave it as it was
%! d = sig (1, uint64 (12345678901234567890));
%! keep = d + uint64 (0);                # a real copy
%! s = wr_sci_format (ctl (3, 25), d, int64 (3));
%! assert (wr_sci_format (ctl (3, 25), d, int64 (3)), s);
%! assert (wr_fix_format (ctl (3, 5), d, int64 (3)), wr_fix_format (ctl (3, 5), d, int64 (3)));
%! assert (d, keep);

%!test # exact decimal ties round up in both notations
%! p = 2;
%! assert (wr_tostring (wr_fromdouble (2.5, p), p, 0, "f"), "3");
%! assert (wr_tostring (wr_fromdouble (1.5, p), p, 0, "f"), "2");
%! assert (wr_tostring (wr_fromdouble (6.5, p), p, 1), "7e+0");
%! assert (wr_tostring (wr_fromdouble (2.125, p), p, 2, "f"), "2.13");
%! assert (wr_tostring (wr_fromdouble (-12345, p), p, 4), "-1.235e+4");

## Exponents are int64: any other class is refused, also for wr_todecimal's output.
%!error id=widefp:type wr_sci_format (ctl (3, 2), sig (3, 0), uint64 (4617315517961601024))
%!error id=widefp:type wr_fix_format (ctl (3, 2), sig (3, 0), 4)
%!error id=widefp:type wr_todecimal (zeros (5, 1, "uint64"), zeros (1, 1, "uint64"), wr_fromdouble (1, 3), 3)
%!error <expected 3 arguments> wr_sci_format (ctl (3, 1), sig (1, 0))
%!error <expected 3 arguments> wr_fix_format (ctl (3, 1), sig (1, 0), int64 (0), 1)
%!error <exceeds the digit array> wr_sci_format (ctl (4, 1), sig (1, 0), int64 (0))
%!error <at least 2> wr_sci_format (ctl (1, 1), sig (1, 0), int64 (0))
%!error <decimal digit> wr_fix_format (ctl (3, 1), sig (10, 0), int64 (0))
%!error <d <= 65510> wr_sci_format (ctl (3, 65511), sig (1, 0), int64 (0))
%!error <do not fit> wr_fix_format (ctl (3, 2), sig (1, 0), int64 (65530))
%!error <holds 0 words> wr_sci_format (uint64 ([]), sig (1, 0), int64 (0))
%!error <must be a real> wr_sci_format (ctl (3, 1), "abc", int64 (0))
%!error <expected 4 arguments> wr_todecimal (zeros (4, 1, "uint64"), int64 (0), wr_fromdouble (1, 2))
%!error <finite and nonzero> wr_todecimal (zeros (4, 1, "uint64"), int64 (0), wr_fromdouble (0, 2), 2)
%!error <finite and nonzero> wr_todecimal (zeros (4, 1, "uint64"), int64 (0), wr_fromdouble (-Inf, 2), 2)
%!error <outside 1..1022> wr_todecimal (zeros (1025, 1, "uint64"), int64 (0), zeros (1024, 1, "uint64"), 1023)
%!error <holds 3 words, needs 4> wr_todecimal (zeros (3, 1, "uint64"), int64 (0), wr_fromdouble (1, 2), 2)
%!error <holds 0 words, needs 1> wr_todecimal (zeros (4, 1, "uint64"), int64 ([]), wr_fromdouble (1, 2), 2)

%!test # arrays untouched after errors, and the session goes on
%! d = repmat (uint64 (3), 4, 1);
%! e10 = int64 (77);
%! try, wr_todecimal (d, e10, wr_fromdouble (0, 2), 2); catch, end_try_catch
%! assert (d, repmat (uint64 (3), 4, 1));
%! assert (e10, int64 (77));
%! s = sig (12, 0);
%! try, wr_sci_format (ctl (3, 2), s, int64 (0)); catch, end_try_catch
%! assert (s, sig (12, 0));
%! wr_todecimal (d, e10, wr_fromdouble (0.5, 2), 2);
%! assert (e10, int64 (-1));
