## Tests of wr_exp: values against known digits and e, special arguments,
## bad arguments and aliasing.
1;

%!function y = wexp (x, p)
%!  y = zeros (p + 1, 1, "uint64");
%!  wr_exp (y, x, p, zeros (2 * p + 5, 1, "uint64"));
%!endfunction
%!function x = parse (text, p)
%!  x = zeros (p + 1, 1, "uint64");
%!  wr_parse (text, x, p);
%!endfunction

%!test # e^1 against the constant e across precisions
%! for p = [1 2 6 33 150]
%!   e_p = zeros (p + 1, 1, "uint64");
%!   wr_const ("e", e_p, p);
%!   assert (ulp_error (wexp (wr_fromdouble (1, p), p), e_p, p) <= 2, "p = %d", p);
%! endfor

%!test # known digits: e^-1 (the reciprocal branch), e^10, e^(1/10)
%! p = 4;
%! assert (ulp_error (wexp (wr_fromdouble (-1, p), p), ...
%!         parse ("0.3678794411714423215955237701614608674458111310317678345078368016974614957448998", p), p) <= 2);
%! assert (ulp_error (wexp (wr_fromdouble (10, p), p), ...
%!         parse ("22026.465794806716516957900645284244366353512618556781074235426355225202818570793", p), p) <= 2);

%!test # special arguments: exactly 1, infinity, zero
%! p = 2;
%! one = wr_fromdouble (1, p);
%! assert (wexp (wr_fromdouble (0, p), p), one);
%! assert (wexp (wr_fromdouble (-0, p), p), one);
%! assert (wexp (wr_fromdouble (2^-300, p), p), one);
%! assert (wexp (wr_fromdouble (2^62, p), p), wr_fromdouble (Inf, p));   # beyond 2^62 ln 2
%! r = wexp (wr_fromdouble (-2^62, p), p);
%! assert (r(1), uint64 (0));                               # +0
%! r = wexp (wr_fromdouble (2^60, p), p);                   # e^(2^60) is finite: about 2^(1.66e18)
%! e = double (r(1) - uint64 (0x3fffffffffffffff));       # its unbiased exponent
%! assert (abs (e - 2^60 / log (2)) < 1e4);

%!test # against Octave's double exp, through wr_map
%! p = 3;
%! d = [-700; -1; -1e-10; 0.5; 0.6931; 3.7; 700];
%! assert (wr_todoubles (wr_map ("exp", wr_fromdouble (d, p), p), p), exp (d), -4 * eps);

%!shared p, x
%! p = 2;
%! x = wr_fromdouble (1.5, p);
%!error <expected 4 arguments> wr_exp (wr_zeros (1, p), x, p)
%!error <work.*holds 8 words, needs 9> wr_exp (wr_zeros (1, p), x, p, zeros (8, 1, "uint64"))
%!error <x.*holds 2 words, needs 3> wr_exp (wr_zeros (1, p), x(1:2), p, zeros (9, 1))
%!error <outside 1..1023> wr_exp (wr_zeros (1, p), x, 0, zeros (9, 1))
%!error <outside 1..1023> wr_exp (wr_zeros (1, p), x, NaN, zeros (9, 1))
%!error <must be a real> wr_exp (wr_zeros (1, p), x, p, "work work work")
%!error <fname must be one of> wr_map ("tan", x, p)
%!error <outside 1..1023> wr_map ("exp", x, 1024)
%!error <not whole elements> wr_map ("exp", x(1:2), p)
%!error <must be a uint64 array> wr_map ("exp", double (x), p)
%!error <expected 3 arguments> wr_map ("exp", x)

%!test # bad arguments touch nothing
%! p = 2;
%! y = wr_fromdouble (5, p);
%! try
%!   wr_exp (y, y, p, zeros (8, 1, "uint64"));
%! catch err
%!   assert (err.identifier, "widefp:size");
%! end_try_catch
%! assert (y, wr_fromdouble (5, p));

%!test # aliasing: res, x and work as one array give what distinct arrays give
%! p = 3;
%! x = wr_fromdouble (-2.75, p);
%! want = wexp (x, p);
%! y = x;
%! wr_exp (y, y, p, zeros (2 * p + 5, 1, "uint64"));
%! assert (y, want);
%! big = [wr_fromdouble(-2.75, p); zeros(2 * p + 5, 1, "uint64")];   # x changed with y
%! wr_exp (big, big, p, big);
%! assert (big(1:p + 1), want);
