## Tests of wr_log: values against known digits and the named constants,
## domain errors with the session going on, bad arguments, aliasing, and the
## reciprocal cache shared with wr_atan.
1;

%!function y = wlog (x, p, cache)
%!  y = zeros (p + 1, 1, "uint64");
%!  wr_log (y, x, p, zeros (3 * p + 6, 1, "uint64"), cache);
%!endfunction
%!function x = parse (text, p)
%!  x = zeros (p + 1, 1, "uint64");
%!  wr_parse (text, x, p);
%!endfunction
%!function x = const (name, p)
%!  x = zeros (p + 1, 1, "uint64");
%!  wr_const (name, x, p);
%!endfunction

%!test # powers of two take ln 2 from the table: exactly the constant's words
%! for p = [1 3 20 1023]
%!   cache = zeros (500 * (p + 2), 1, "uint64");
%!   assert (wlog (wr_fromdouble (2, p), p, cache), const ("ln2", p));
%!   minus = const ("ln2", p);
%!   minus(1) = bitor (minus(1), uint64 (9223372036854775808));
%!   assert (wlog (wr_fromdouble (0.5, p), p, cache), minus);
%!   assert (wlog (wr_fromdouble (1, p), p, cache), zeros (p + 1, 1, "uint64"));
%! endfor

%!test # known digits and constants, within two units of the last word
%! p = 4;
%! cache = zeros (500 * (p + 2), 1, "uint64");
%! assert (ulp_error (wlog (wr_fromdouble (3, p), p, cache), ...
%!         parse ("1.098612288668109691395245236922525704647490557822749451734694333637494293218609", p), p) <= 2);
%! assert (ulp_error (wlog (wr_fromdouble (0.75, p), p, cache), ...
%!         parse ("-0.28768207245178092743921900599382743150350971089776105650666568534929295072078046", p), p) <= 2);
%! for p = [1 2 7 30 200]
%!   cache = zeros (500 * (p + 2), 1, "uint64");
%!   assert (ulp_error (wlog (wr_fromdouble (10, p), p, cache), const ("ln10", p), p) <= 2, "p = %d", p);
%!   assert (ulp_error (wlog (const ("e", p), p, cache), wr_fromdouble (1, p), p) <= 2, "p = %d", p);
%! endfor

%!test # against Octave's double log, through wr_map with one cache
%! p = 3;
%! d = [1e-300; 0.001; 0.3; 0.999; 1.001; 7; 12345.678; 1e300];
%! assert (wr_todoubles (wr_map ("log", wr_fromdouble (d, p), p), p), log (d), 4 * eps);

%!error <log : domain error> wlog (wr_fromdouble (0, 2), 2, zeros (2000, 1, "uint64"))
%!error <log : domain error> wlog (wr_fromdouble (-0, 2), 2, zeros (2000, 1, "uint64"))
%!error <log : domain error> wlog (wr_fromdouble (-1e-10, 2), 2, zeros (2000, 1, "uint64"))
%!error <log : domain error> wr_map ("log", wr_fromdouble ([1; 2; -3], 2), 2)

%!test # a domain error leaves res and the cache untouched; the session goes on
%! p = 2;
%! y = wr_fromdouble (7, p);
%! cache = zeros (500 * (p + 2), 1, "uint64");
%! try
%!   wr_log (y, wr_fromdouble (-2, p), p, zeros (3 * p + 6, 1, "uint64"), cache);
%!   error ("accepted");
%! catch err
%!   assert (err.identifier, "widefp:domain");
%! end_try_catch
%! assert (y, wr_fromdouble (7, p));
%! assert (! any (cache));
%! assert (wr_todouble (wlog (wr_fromdouble (8, p), p, cache)), log (8), eps);

%!shared p, x, w, c
%! p = 2;
%! x = wr_fromdouble (3, p);
%! w = zeros (3 * p + 6, 1, "uint64");
%! c = zeros (500 * (p + 2), 1, "uint64");
%!error <expected 5 arguments> wr_log (wr_zeros (1, p), x, p, w)
%!error <res.*holds 2 words, needs 3> wr_log (zeros (2, 1, "uint64"), x, p, w, c)
%!error <work1.*holds 11 words, needs 12> wr_log (wr_zeros (1, p), x, p, w(1:end-1), c)
%!error <cache.*holds 1999 words, needs 2000> wr_log (wr_zeros (1, p), x, p, w, c(1:end-1))
%!error <p.*outside 1..1023> wr_log (wr_zeros (1, p), x, 0, w, c)
%!error <p.*outside 1..1023> wr_log (zeros (1025, 1, "uint64"), zeros (1025, 1), 1024, zeros (4000, 1), zeros (600000, 1))
%!error <must be a real> wr_log (wr_zeros (1, p), "abc", p, w, c)
%!error <must be a real> wr_log (wr_zeros (1, p), complex (x, x), p, w, c)
%!error <shares memory> wr_log (wr_zeros (1, p), x, p, c, c)
%!error <shares memory> wr_log (c, x, p, w, c)

%!test # bad arguments raise the stated identifiers and touch nothing
%! p = 2;
%! y = wr_fromdouble (5, p);
%! c = zeros (500 * (p + 3), 1, "uint64");
%! wlog (wr_fromdouble (3, p + 1), p + 1, c);      # a cache filled at p + 1
%! c0 = c;  c0(1) += 0;                             # an unshared copy to compare with
%! calls = {{y, y, p, zeros(11, 1, "uint64"), c}, "widefp:size";
%!          {y, y, 0, zeros(12, 1, "uint64"), c}, "widefp:range";
%!          {y, y, p, zeros(12, 1, "uint64"), c}, "widefp:cache";
%!          {y, y, p, c, c}, "widefp:alias";
%!          {y, {1}, p, zeros(12, 1, "uint64"), c}, "widefp:type";
%!          {y, y, p}, "widefp:nargin"};
%! for k = 1:rows (calls)
%!   try
%!     wr_log (calls{k, 1}{:});
%!     error ("accepted call %d", k);
%!   catch err
%!     assert (err.identifier, calls{k, 2});
%!   end_try_catch
%!   assert (y, wr_fromdouble (5, p));
%!   assert (c, c0);
%! endfor

%!test # aliasing: res, x and work1 as one array give what distinct arrays give
%! p = 3;
%! c = zeros (500 * (p + 2), 1, "uint64");
%! want = wlog (wr_fromdouble (3, p), p, c);
%! x = wr_fromdouble (3, p);
%! y = x;                                          # shares x's data
%! wr_log (y, y, p, zeros (3 * p + 6, 1, "uint64"), c);
%! assert (y, want);
%! big = [wr_fromdouble(3, p); zeros(3 * p + 6, 1, "uint64")];
%! wr_log (big, big, p, big, c);                  # work1 overlapping res and x
%! assert (big(1:p + 1), want);

%!test # one cache filled by wr_log, then used by wr_atan, gives fresh-cache results
%! p = 5;
%! d = [0.1; 0.7; 1; 3; 2.5e7];
%! shared = zeros (500 * (p + 2), 1, "uint64");
%! for k = 1:numel (d)
%!   assert (wlog (wr_fromdouble (d(k), p), p, shared), ...
%!           wlog (wr_fromdouble (d(k), p), p, zeros (500 * (p + 2), 1, "uint64")));
%! endfor
%! assert (any (shared));
%! for k = 1:numel (d)
%!   a = wr_zeros (1, p);
%!   b = wr_zeros (1, p);
%!   wr_atan (a, wr_fromdouble (d(k), p), p, zeros (2 * p + 4, 1, "uint64"), shared);
%!   wr_atan (b, wr_fromdouble (d(k), p), p, zeros (2 * p + 4, 1, "uint64"), zeros (500 * (p + 2), 1, "uint64"));
%!   assert (a, b);
%! endfor
