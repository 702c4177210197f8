## The widereal class's text output (sprintf, fprintf, num2str with a
## template, the wr_text gateway), its plotting methods' argument
## conversion and save/load in each of Octave's formats.  Reference digits
## from mpmath (values rounded to the binary precision first, then written
## exactly with 2000-digit decimal arithmetic).
1;

%!test
%! ## printf conversions against stored digits
%! assert (sprintf ("%.45f", widereal ("#pi", 2)),
%!         "3.141592653589793238462643383279502884195286358");
%! assert (sprintf ("%.70e", widereal ("#e", 4)),
%!         "2.7182818284590452353602874713526624977572470936999595749669676277240766e+00");
%! assert (sprintf ("%+.50e", widereal ("-1/7", 3)),
%!         "-1.42857142857142857142857142857142857142857142857143e-01");
%! assert (sprintf ("%.40g", widereal ("1e-300", 2)),
%!         "9.999999999999999999999999999999999999998e-301");
%! assert (sprintf ("%-40.30e|", widereal (10, 2) ^ 400 / 3),
%!         "3.333333333333333333333333333333e+399   |");
%! assert (evalc ("fprintf ('%.24e\\n', widereal ('2/3', 1))"), "6.666666666666666666576316e-01\n");

%!test
%! ## wr_text: modes, ties decided exactly, carries, huge and tiny exponents
%! x = struct (widereal ([2.5 -2.5 0.125 9.5 99.96], 2));
%! assert (wr_text ("f", 0, 2, x.w(:, 1:3), 0), {"2", "-2", "0"});
%! assert (wr_text ("f", 0, 2, x.w(:, 3), 2), {"0.12"});        # tie to even
%! assert (wr_text ("f", 2, 2, x.w(:, 3), 2), {"0.13"});        # up
%! assert (wr_text ("f", 3, 2, x.w(:, 2), 0), {"-3"});          # down
%! assert (wr_text ("f", 1, 2, x.w(:, 2), 0), {"-2"});          # toward zero
%! assert (wr_text ("e", 0, 2, x.w(:, 4:5), 0), {"1e+01", "1e+02"});
%! [d, e, s] = wr_text ("digits", 0, 2, x.w(:, [2 5]), 3);
%! assert (d, {"250", "100"});
%! assert (e, int64 ([0 2]));
%! assert (s, [true false]);
%! assert (wr_text ("kind", 0, 2, struct (widereal ([0.5 -3 Inf 0], 2)).w, 0), [0 1 2 1]);
%! y = struct (widereal ({"7e1000000000", "-3e-200000", "1e70000"}, 2));
%! assert (wr_text ("e", 0, 2, y.w, 30),
%!         {"7.000000000000000000000000000000e+1000000000",
%!          "-3.000000000000000000000000000000e-200000",
%!          "1.000000000000000000000000000000e+70000"}.');
%! assert (wr_text ("e", 1, 2, y.w(:, 1), 45),
%!         {"6.999999999999999999999999999999999999999509531e+1000000000"});
%!error id=widefp:type wr_text ("z", 0, 1, uint64 ([1 0]), 3)
%!error id=widefp:range wr_text ("e", 4, 1, uint64 ([1 0]), 3)
%!error id=widefp:range wr_text ("short", 0, 1, uint64 ([1 0]), 0)
%!error id=widefp:range wr_text ("f", 0, 1024, uint64 (zeros (1025, 1)), 3)
%!error id=widefp:size wr_text ("e", 0, 2, uint64 ([1 0]), 3)
%!error id=widefp:type wr_text ("e", 0, 1, [1 0], 3)
%!error id=widefp:nargin wr_text ("e", 0, 1, uint64 ([1 0]))
%!error id=widefp:range wr_text ("f", 0, 1, struct (widereal ("1e100000", 1)).w, 10)

%!test
%! ## plotting methods hand doubles on
%! [n, xc] = hist (widereal ([1 2 2 3 3 3]), 3);      # no drawing with outputs
%! assert (n, [1 2 3]);
%! assert (class (xc), "double");
%! toolkits = available_graphics_toolkits ();
%! if (isempty (toolkits))
%!   printf ("no graphics toolkit: plotting test skipped\n");
%!   return;
%! endif
%! warning ("off", "Octave:gnuplot-graphics", "local");
%! h = figure ("visible", "off");
%! unwind_protect
%!   x = widereal (0:4) / 4;
%!   l = plot (x, x .^ 2, "r-");
%!   assert (get (l, "ydata"), ((0:4) / 4) .^ 2);
%!   b = bar (widereal ([1 2 3]));
%!   assert (get (b, "ydata")(:).', [1 2 3]);
%! unwind_protect_cleanup
%!   close (h);
%! end_unwind_protect

%!test
%! ## save and load: exact in every format that can hold the object
%! x = widereal ({"1/3", "-0"; "1e-300", "#pi"}, 3);
%! for f = {"-text", "-binary", "-mat", "-v7", "-v6", "-float-binary"}
%!   fn = tempname ();
%!   unwind_protect
%!     save (f{1}, fn, "x");
%!     S = load (fn);
%!     assert (class (S.x), "widereal");
%!     assert (isequal (struct (S.x), struct (x)), f{1});
%!   unwind_protect_cleanup
%!     unlink (fn);
%!   end_unwind_protect
%! endfor
%! ## HDF5 cannot give the object back: save refuses
%! fn = tempname ();
%! unwind_protect
%!   try
%!     save ("-hdf5", fn, "x");
%!     error ("save -hdf5 was not refused");
%!   catch e
%!     assert (e.identifier, "widefp:save");
%!     assert (! isempty (strfind (e.message, "-binary")));
%!   end_try_catch
%! unwind_protect_cleanup
%!   if (exist (fn, "file"))
%!     unlink (fn);
%!   endif
%! end_unwind_protect
