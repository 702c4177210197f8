## The order gateway wr_order and the statistics gateway wr_stats: their
## argument checks (Octave survives every bad call), comparisons across
## precisions and with doubles, sorting, ranks and extremes along any
## dimension, and the statistics of N-d arrays.  References: exact values
## (integers, binary fractions) or texts that the reader rounds correctly.
1;

%!test
%! ## comparisons: values across precisions, doubles on either side, both
%! ## zeros, infinities, broadcasting through the general path
%! u = "1606938044258990275541962092341162602522202993782792835301376";  # 2^200
%! a = widereal (["1+1/" u], 4);            # needs more than p = 1 and 2
%! assert ([a > 1, a > widereal(1, 1), a == widereal(a, 4), a != widereal(a, 2)]);
%! assert (widereal (a, 2) == 1);          # rounded to p = 2: exactly 1
%! assert (1 < a && ! (a <= 1) && widereal (-0, 3) == 0 && 0 == widereal (-0));
%! assert (widereal ([1 2; 3 4]) > [2; 3], logical ([0 0; 0 1]));
%! assert (int8 (3) == widereal ([3 4]), logical ([1 0]));
%! assert (widereal (-Inf) < -realmax && widereal (Inf) > widereal ("1e100000"));
%! assert (size (widereal (zeros (0, 3)) < 1), [0 3]);
%!test
%! ## sort and max/min along the third dimension, stability, descending
%! v = reshape ([3 1 -0 0 2 2 -1 5], 2, 1, 4);
%! x = widereal (v, 2);
%! [y, i] = sort (x, 3);
%! [ry, ri] = sort (v, 3);
%! assert (all (y(:) == ry(:)) && isequal (i, ri));
%! [y, i] = sort (x, 3, "descend");
%! [ry, ri] = sort (v, 3, "descend");
%! assert (all (y(:) == ry(:)) && isequal (i, ri));
%! [y, i] = max (x, [], 3);
%! assert ([double(y), i], [3 1; 5 4]);
%! [y, i] = min (x, [], 3);
%! assert ([double(y), i], [-1 4; 0 2]);
%! [y, j] = unique (widereal ([2 -0 1 0 2]));
%! assert (double (y), [0 1 2]);
%!test
%! ## statistics of an N-d array along every dimension against integer
%! ## references (exact), with Octave's sizes
%! v = reshape ([1 3 5 7 2 4 8 16 -1 -3 -6 -9], 2, 3, 2);
%! x = widereal (v, 2);
%! for d = 1:3
%!   assert (mean (x * 6, d) == mean (v * 6, d));
%!   assert (median (x * 2, d) == median (v * 2, d));
%!   assert (var (x * 6, 1, d) == var (v * 6, 1, d));
%!   assert (cumprod (x, d) == cumprod (v, d));
%!   assert (size (mode (x, d)), size (mode (v, d)));
%! endfor
%! assert (var (x * 4, 1, [1 3]) == var (v * 4, 1, [1 3]));
%! assert (median (x, "all") == median (v(:)));
%!test
%! ## the gateways refuse bad arguments, and Octave goes on
%! X = struct (widereal ([1 2 3], 2)).w;
%! bad = {@() wr_order ("cmp", X, 2, X(:, 1:2), 2), ...
%!        @() wr_order ("cmp", X, 2, X, 2000), ...
%!        @() wr_order ("cmp", X(1:5), 2, X, 2), ...
%!        @() wr_order ("cmp", X, 2, NaN, 1), ...
%!        @() wr_order ("cmp", X, 2, X, 2, [1 2], [1 3]), ...
%!        @() wr_order ("sort", X, 2, 2, 2, 0), ...
%!        @() wr_order ("sort", X, 2, 3, 1, 2), ...
%!        @() wr_order ("extreme", X, 2, 3, 1), ...
%!        @() wr_order ("median", X, 2, 3, 1, 4), ...
%!        @() wr_order ("median", X, 2, 0, 1, 0), ...
%!        @() wr_order ("nosuch", X, 2), ...
%!        @() wr_order (1, X, 2), ...
%!        @() wr_order ("rank", double (X), 2), ...
%!        @() wr_stats ("mean", 0, 2, X, 2, 2), ...
%!        @() wr_stats ("mean", 5, 2, X, 3, 1), ...
%!        @() wr_stats ("var", 0, 2, X, 3, 1), ...
%!        @() wr_stats ("var", 0, 2, X, 3, 1, 2), ...
%!        @() wr_stats ("std", 0, 0, X, 3, 1, 0), ...
%!        @() wr_stats ("cumprod", 0, 2, X, 3, 1, 0), ...
%!        @() wr_stats ("mean", 0, 2, X(:, []), 0, 1)};
%! for k = 1:numel (bad)
%!   try
%!     bad{k} ();
%!     error ("call %d was accepted", k);
%!   catch err
%!     assert (strncmp (err.identifier, "widefp:", 7), "call %d: %s", k, err.message);
%!   end_try_catch
%! endfor
%! [c, ok] = wr_order ("cmp", X, 2, X, 2, [1 3], [3 1]);   # would broadcast
%! assert (isempty (c) && ! ok);
%! assert (wr_order ("cmp", X, 2, X(:, 2), 2, [1 3], [1 1]), [-1 0 1]);
%! assert (wr_order ("maxabs", struct (widereal ([-3 1 3], 2)).w, 2), 1);
