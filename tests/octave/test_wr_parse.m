## Tests of wr_parse: expressions read into a widereal in place.
1;

%!function r = parse (text, p)
%!  r = wr_zeros (1, p);
%!  wr_parse (text, r, p);
%!endfunction

%!test # arithmetic, precedence, signs and parentheses
%! assert (parse ("2+3*4", 2), wr_fromdouble (14, 2));
%! assert (parse ("(2+3)*4", 2), wr_fromdouble (20, 2));
%! assert (parse ("-(1)", 3), wr_fromdouble (-1, 3));
%! assert (parse ("--1", 1), wr_fromdouble (1, 1));
%! assert (parse ("2-3-4", 2), wr_fromdouble (-5, 2));
%! assert (parse ("1.5E+3/-4", 5), wr_fromdouble (-375, 5));
%! assert (parse ("-0", 2), uint64 ([9223372036854775808; 0; 0]));

%!test # decimal numbers at high and the highest precision
%! assert (wr_todouble (parse ("0.1", 54)), 0.1);
%! assert (wr_todouble (parse ("1e-3*1e3", 1022)), 1);

%!test # named constants and hexadecimal words
%! p = 7;
%! c = wr_zeros (1, p);
%! wr_const ("pi", c, p);
%! assert (parse ("#pi", p), c);
%! assert (parse ("@4000000000000000", 2), uint64 ([4611686018427387904; 0; 0]));
%! assert (parse ("@:ff", 1), uint64 ([0; 255]));

%!test # trailing blanks are allowed
%! assert (parse ("1+2   ", 2), wr_fromdouble (3, 2));
%! assert (parse (sprintf ("7\t\n"), 2), wr_fromdouble (7, 2));

%!test # texts longer than 65,535 characters are read whole
%! assert (parse ([repmat("0", 1, 65534) "7"], 2), wr_fromdouble (7, 2));
%! assert (parse (["1" repmat("+1", 1, 40000)], 2), wr_fromdouble (40001, 2));

%!test # a product with a zero or infinite operand at p = 1 clears the fraction word
%! for t = {"2*0", "0*2", "3/0*0", "2*(1/0)"}
%!   r = zeros (2, 1, "uint64");
%!   wr_parse (t{1}, r, 1);
%!   assert (r(2), uint64 (0), t{1});
%! endfor

%!test # missing operands, empty texts and malformed numbers: widefp:syntax, res untouched
%! bad = {"-", "", "+", "()", "(-)", "*", "/", "2*", "2+", ".", "1.2.3", "1..5", "..5", "1e+-5"};
%! at = [2, 1, 2, 2, 3, 1, 1, 3, 3, 1, 4, 3, 2, 4];
%! for k = 1:numel (bad)
%!   r = wr_fromdouble (9, 2);
%!   try
%!     wr_parse (bad{k}, r, 2);
%!     error ("accepted '%s'", bad{k});
%!   catch err
%!     assert (err.identifier, "widefp:syntax", bad{k});
%!     assert (! isempty (strfind (err.message, sprintf ("at character %d,", at(k)))), err.message);
%!   end_try_catch
%!   assert (r, wr_fromdouble (9, 2));
%! endfor

## Errors raised by the library arrive as Octave errors with its text.
%!error <Too many \('s\.> wr_parse ("(1+2", wr_zeros (1, 2), 2)
%!error <Unkown constant: #foo> wr_parse ("#foo*2", wr_zeros (1, 2), 2)
%!error <Unkown constant: # at character 3> wr_parse ("1+#", wr_zeros (1, 2), 2)
%!error <nested too deeply> wr_parse ([repmat("(", 1, 5000) "1"], wr_zeros (1, 2), 2)
%!error <nested too deeply> wr_parse ([repmat("-", 1, 5000) "1"], wr_zeros (1, 2), 2)
## Text the expression did not reach is an error, not a silent success.
%!error <reading stopped here> wr_parse ("1 + 2", wr_zeros (1, 2), 2)
%!error <character 2> wr_parse ("1)", wr_zeros (1, 2), 2)
%!error <reading stopped here> wr_parse ("1#pi", wr_zeros (1, 2), 2)
%!error <reading stopped here> wr_parse ("x", wr_zeros (1, 2), 2)
%!error <NUL> wr_parse (["1" char(0) "+2"], wr_zeros (1, 2), 2)
## Bad arguments.
%!error <expected 3 arguments> wr_parse ("1", wr_zeros (1, 2))
%!error <outside 1..1022> wr_parse ("1", wr_zeros (1, 2000), 0)
%!error <outside 1..1022> wr_parse ("1", wr_zeros (1, 2000), 1023)
%!error <outside 1..1022> wr_parse ("1", wr_zeros (1, 2), -1)
%!error <needs 3> wr_parse ("1", wr_zeros (1, 1), 2)
%!error <must be a string> wr_parse (1, wr_zeros (1, 2), 2)
%!error <real, non-sparse numeric> wr_parse ("1", "abc", 2)

%!test # res is untouched after any error, and the session goes on
%! good = wr_fromdouble (9, 2);
%! bad = {"(1+2", "#nope", "1 + 2", "2*(", [repmat("(", 1, 300) "1"], "3 4"};
%! for k = 1:numel (bad)
%!   r = wr_fromdouble (9, 2);
%!   err = "";
%!   try
%!     wr_parse (bad{k}, r, 2);
%!   catch e
%!     err = e.message;
%!   end_try_catch
%!   assert (! isempty (err), bad{k});
%!   assert (r, good);
%! endfor
%! assert (parse ("6*7", 2), wr_fromdouble (42, 2));
