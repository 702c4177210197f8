## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} eq (@var{a}, @var{b})
## @deftypefnx {} {@var{tf} =} @var{a} == @var{b}
## True where @var{a} equals @var{b}, element by element.  Either operand may be a
## double, integer or logical array, taken exactly at the other's precision;
## precisions may differ (values are compared).  Scalars and compatible sizes
## broadcast.  Both zeros are equal; -Inf and Inf are the smallest and
## largest values.
##
## Complex operands are equal where both parts are.
##
## @example
## widereal ("0.1") == 0.1   # false: 0.1 is not 1/10
## @end example
## @seealso{wr_cmp, isequal}
## @end deftypefn
function tf = eq (a, b)
  tf = wr_cmp (a, b, true) == 0;
endfunction

%!test
%! ## every relation against a sorted list of distinct values, mixed types
%! x = [widereal(-Inf, 5), ...
%!      widereal({"-1e100", "-1", "-1/3", "-1e-400", "0", "1e-300", "1/3", ...
%!                "1", ...
%!                "1+1/1606938044258990275541962092341162602522202993782792835301376", "18446744073709551616"}, 5), widereal(Inf)];
%! n = numel (x);
%! [i, j] = ndgrid (1:n);
%! X = reshape (x(i(:)), n, n);
%! Y = reshape (widereal (x(j(:)), 7), n, n);     # the same values, wider
%! assert (X == Y, i == j);
%! assert (X != Y, i != j);
%! assert (X < Y, i < j);
%! assert (X <= Y, i <= j);
%! assert (X > Y, i > j);
%! assert (X >= Y, i >= j);
%!test
%! ## zeros of both signs, doubles and integers on either side, precisions
%! assert (widereal (-0) == 0 && 0 == widereal (-0) && ! (widereal (-0) < 0));
%! assert (widereal (intmax ("uint64")) > 2^64 - 4096);
%! assert (widereal (1, 2) == widereal (1, 9));
%! assert (widereal ("1/3", 2) != widereal ("1/3", 9));
%! assert (widereal ([1 2; 3 4]) == [1 0; 3 0], logical ([1 0; 1 0]));
%! assert (widereal ([1; 2]) < [2 3], logical ([1 1; 0 1]));
%!error <nonconformant> widereal ([1 2 3]) == [1 2]
%!test
%! ## scalars of one precision, compared one pair at a time; r ranks them
%! u = "1606938044258990275541962092341162602522202993782792835301376";
%! x = [widereal(-Inf, 5), widereal({["-1-1/" u], "-1", "-1/3", "-0", "0", ...
%!                                   "1e-300", "1/3", "1", ["1+1/" u]}, 5), ...
%!      widereal(Inf, 5)];
%! r = [1 2 3 4 5 5 6 7 8 9 10];
%! for i = 1:numel (r)
%!   for j = 1:numel (r)
%!     a = x(i);
%!     b = x(j);
%!     assert ([a == b, a != b, a < b, a <= b, a > b, a >= b],
%!             [r(i) == r(j), r(i) != r(j), r(i) < r(j), r(i) <= r(j), ...
%!              r(i) > r(j), r(i) >= r(j)]);
%!   endfor
%! endfor
