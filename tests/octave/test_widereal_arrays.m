## Tests across the widereal class's ranges, grids and array methods: the
## ranges and linspace in the four rounding modes, Octave's own functions
## that take widereals now that the class is numeric and floating point,
## and arrayfun with the methods.
##
## References: the range elements were computed by a Python program with
## exact rationals (fractions.Fraction), rounded to 65 bits (p = 1) in the
## mode named and printed as the widereal's words in hexadecimal, which
## widereal ("@...", p) reads exactly; the points of linspace (0, 1, 11)
## are compared with the decimal texts "0.1", ..., "0.9", which the reader
## rounds correctly in the same mode.
1;

%!function r = in_mode (mode, f)
%!  ## f () evaluated with the rounding mode set, the mode restored after
%!  old = widereal_rounding (mode);
%!  unwind_protect
%!    r = f ();
%!  unwind_protect_cleanup
%!    widereal_rounding (old);
%!  end_unwind_protect
%!endfunction

%!test
%! ## 2^-200 + k*s, s = 1/3 to nearest at p = 1, k = 0..6: each element
%! ## rounded once in each mode; the count is exact (6s + 2^-200 < 2)
%! ref = {
%!   {"@3fffffffffffff37:0000000000000000", "@3ffffffffffffffd:5555555555555555", "@3ffffffffffffffe:5555555555555555", "@3fffffffffffffff:0000000000000000", "@3fffffffffffffff:5555555555555555", "@3fffffffffffffff:aaaaaaaaaaaaaaaa", "@4000000000000000:0000000000000000"}
%!   {"@3fffffffffffff37:0000000000000000", "@3ffffffffffffffd:5555555555555555", "@3ffffffffffffffe:5555555555555555", "@3ffffffffffffffe:ffffffffffffffff", "@3fffffffffffffff:5555555555555555", "@3fffffffffffffff:aaaaaaaaaaaaaaaa", "@3fffffffffffffff:ffffffffffffffff"}
%!   {"@3fffffffffffff37:0000000000000000", "@3ffffffffffffffd:5555555555555556", "@3ffffffffffffffe:5555555555555556", "@3fffffffffffffff:0000000000000000", "@3fffffffffffffff:5555555555555556", "@3fffffffffffffff:aaaaaaaaaaaaaaab", "@4000000000000000:0000000000000000"}
%!   {"@3fffffffffffff37:0000000000000000", "@3ffffffffffffffd:5555555555555555", "@3ffffffffffffffe:5555555555555555", "@3ffffffffffffffe:ffffffffffffffff", "@3fffffffffffffff:5555555555555555", "@3fffffffffffffff:aaaaaaaaaaaaaaaa", "@3fffffffffffffff:ffffffffffffffff"}};
%! modes = {"nearest", "zero", "up", "down"};
%! s = widereal ("1/3", 1);
%! a = widereal (2, 1) .^ -200;
%! for m = 1:4
%!   r = in_mode (modes{m}, @() a:s:2);
%!   assert (size (r), [1 7]);
%!   assert (r == widereal (ref{m}, 1), true (1, 7));
%!   d = in_mode (modes{m}, @() 2:-s:a);            # the same steps downward
%!   assert (numel (d), 7);
%! endfor

%!test
%! ## linspace (0, 1, 11) in every mode is k/10 read from text in that mode
%! for mode = {"nearest", "zero", "up", "down"}
%!   for p = [1 3]
%!     y = in_mode (mode{1}, @() linspace (widereal (0, p), 1, 11));
%!     t = in_mode (mode{1}, @() widereal (arrayfun (@(k) sprintf ("0.%d", k), 0:9, "UniformOutput", false), p));
%!     assert (y == [t, 1], true (1, 11));
%!   endfor
%! endfor
%! ## a range with an exact step is linspace
%! assert (widereal (0):0.25:1 == linspace (widereal (0), 1, 5), true (1, 5));
%! assert (sum (widereal (1):100) == 5050);

%!test
%! ## Octave's own functions on widereals, through the methods
%! x = widereal ([1 2 4 8], 2);
%! assert (isnumeric (x) && isfloat (x) && isreal (x) && isa (x, "float"));
%! assert (mean (x(1:3)) == widereal ("7/3", 2));      # exact sum, one division
%! assert (class (mean (x)), "widereal");
%! assert (double ([median(x), trapz(x), range(x)]), [3 10.5 7]);
%! assert (double (center (x)), [-2.75 -1.75 0.25 4.25]);
%! assert (double (postpad (x, 6)), [1 2 4 8 0 0]);
%! assert (polyval (widereal ([1 2 3], 3), 2) == 11);
%! assert (polyval ([1 2 3], widereal ([2 -1])) == [11 2]);
%! assert (cast (x, "double"), [1 2 4 8]);
%! validateattributes (x, {"numeric"}, {"row", "nonempty", "finite"});
%! validateattributes (x, {"float"}, {"vector", "numel", 4});
%! assert (double (fliplr (x) + flip (x)), [16 8 4 2]);

%!test
%! ## arrayfun and cellfun agree with the element-wise operations
%! x = widereal ({"1/3", "0.1"; "-2", "1e-30"}, 3);
%! assert (arrayfun (@(t) t .^ 2, x) == x .^ 2);
%! assert (arrayfun (@(t) t > 0, x), [true true; false true]);
%! c = cellfun (@(t) t .* 3, num2cell (x), "UniformOutput", false);
%! assert (reshape ([c{:}], 2, 2) == x .* 3);
%! assert (arrayfun (@(t) precision (t), x), 3 * ones (2));
%! ## grids of widereals: meshgrid is ndgrid transposed
%! [a, b] = meshgrid (x(1, :), x(:, 1));
%! [c, d] = ndgrid (x(1, :), x(:, 1));
%! assert (a == c.' & b == d.');
%! assert (kron (widereal ([1 -1]), x)(:, 3:4) == -x);

%!error <wrong type elements> cell2mat ({widereal(1), widereal(2)})
