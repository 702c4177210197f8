## Tests of wr_const: constants' words, precision limits, bad arguments, and
## unknown names raising an error while the session goes on.
1;

%!function w = h (s)
%!  w = hex2num (s, "uint64");
%!endfunction

%!test # the stated first words
%! names = {"pi", "e", "ln10", "ln2", "atan_h", "atan_q", "g"};
%! w0 = {"4000000000000000", "4000000000000000", "4000000000000000", "3ffffffffffffffe", ...
%!       "3ffffffffffffffd", "3ffffffffffffffc", "3ffffffffffffffe"};
%! w1 = {"921fb54442d18469", "5bf0a8b145769535", "26bb1bbb5551582d", "62e42fefa39ef357", ...
%!       "dac670561bb4f68a", "f5b75f92c80dd62a", "2788cfc6fb618f49"};
%! for k = 1:numel (names)
%!   x = zeros (2, 1, "uint64");
%!   wr_const (names{k}, x, 1);
%!   assert (x, [h(w0{k}); h(w1{k})], names{k});
%! endfor

%!test # every accepted spelling
%! pairs = {"PI", "pi"; "E", "e"; "NAPIER", "e"; "napier", "e"; "LN10", "ln10"; "LN2", "ln2"; "G", "g"};
%! for k = 1:rows (pairs)
%!   a = zeros (9, 1, "uint64");
%!   b = zeros (9, 1, "uint64");
%!   wr_const (pairs{k, 1}, a, 8);
%!   wr_const (pairs{k, 2}, b, 8);
%!   assert (a, b);
%! endfor

%!test # p = 1023 copies every stored word; only p+1 words are written
%! x = zeros (1024, 1, "uint64");
%! wr_const ("pi", x, 1023);
%! assert (x(1024), h ("ce7379b19172f874"));
%! y = repmat (uint64 (7), 6, 1);
%! wr_const ("pi", y, 4);
%! assert (y(1:5), x(1:5));
%! assert (y(6), uint64 (7));

%!test # the value, through the double conversion
%! x = zeros (4, 1, "uint64");
%! wr_const ("e", x, 3);
%! assert (wr_todouble (x), e);
%! wr_const ("ln2", x, 3);
%! assert (wr_todouble (x), log (2));
%! wr_const ("g", x, 3);
%! assert (wr_todouble (x), 0.57721566490153286);

%!test # an unknown name raises an error with the text and leaves the array alone
%! x = repmat (uint64 (5), 3, 1);
%! for name = {"foo", "Pi", "gamma", ""}
%!   try
%!     wr_const (name{1}, x, 2);
%!     error ("accepted %s", name{1});
%!   catch err
%!     assert (err.message, ["wr_const: Unkown constant: #" name{1}]);
%!     assert (err.identifier, "widefp:constant");
%!   end_try_catch
%!   assert (x, repmat (uint64 (5), 3, 1));
%! endfor
%! wr_const ("pi", x, 2);      # the session goes on
%! assert (x(2), h ("921fb54442d18469"));

%!error <Unkown constant: #foo> wr_const ("foo", zeros (3, 1, "uint64"), 2)
%!error id=widefp:syntax wr_const (["PI" char(0)], zeros (3, 1, "uint64"), 2)
%!error <expected 3 arguments> wr_const ("pi", zeros (3, 1, "uint64"))
%!error <expected 3 arguments> wr_const ("pi", zeros (3, 1, "uint64"), 2, 1)
%!error <outside 1..1023> wr_const ("pi", zeros (3, 1, "uint64"), 0)
%!error <outside 1..1023> wr_const ("pi", zeros (1025, 1, "uint64"), 1024)
%!error <outside 1..1023> wr_const ("pi", zeros (3, 1, "uint64"), -1)
%!error <holds 2 words, needs 3> wr_const ("pi", zeros (2, 1, "uint64"), 2)
%!error <must be a string> wr_const (3, zeros (3, 1, "uint64"), 2)
%!error <must be a real> wr_const ("pi", "abc", 2)
%!error <must be a real> wr_const ("pi", zeros (3, 1, "uint64"), "2")

%!test # arrays untouched after argument errors
%! x = repmat (uint64 (9), 3, 1);
%! try, wr_const ("pi", x, 3); catch, end_try_catch
%! assert (x, repmat (uint64 (9), 3, 1));

%!test # a name of 65,535 characters is passed whole; a longer one is cut there
%! x = zeros (3, 1, "uint64");
%! for len = [65535, 70000]
%!   try
%!     wr_const (repmat ("x", 1, len), x, 2);
%!     error ("accepted");
%!   catch err
%!     assert (numel (err.message), numel ("wr_const: Unkown constant: #") + 65535);
%!   end_try_catch
%! endfor
%! assert (x, zeros (3, 1, "uint64"));
