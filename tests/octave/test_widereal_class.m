## Tests of the widereal class: every method's own %!test blocks, saving and
## loading, and no operation writing into a variable other than its result.
1;

%!test
%! ## the %!test and %!error blocks of the class's files
%! root = fileparts (which ("widereal_precision"));
%! files = [glob(fullfile (root, "@widereal", "*.m")); ...
%!          fullfile(root, {"widereal_precision.m"; "widereal_digits.m"; "wr_constant.m"})];
%! failed = {};
%! for k = 1:numel (files)
%!   [n, m] = test (files{k}, "quiet", stdout);
%!   if (n != m)
%!     failed{end+1} = files{k};
%!   endif
%! endfor
%! assert (strjoin (failed, " "), "");

%!test
%! ## save and load keep the exact words, in both binary formats
%! x = [widereal({"1/3", "-1e-1000"}, 9), widereal(-Inf), widereal(-0)];
%! for fmt = {"-binary", "-v7"}
%!   f = [tempname() ".mat"];
%!   unwind_protect
%!     y = x;
%!     save (fmt{1}, f, "y");
%!     clear y;
%!     load (f);
%!     assert (class (y), "widereal");
%!     assert (precision (y), 9);
%!     assert (num2str (y), num2str (x));
%!     assert (y == x);
%!     assert (1 ./ double (y(4)), -Inf);
%!   unwind_protect_cleanup
%!     unlink (f);
%!   end_unwind_protect
%! endfor

%!test
%! ## no operation changes its operands or the copies sharing their memory
%! ## (the arithmetic has its own such test)
%! x = widereal ({"1/3", "-2"; "0.1", "7"}, 3);
%! y = x;
%! z = x(:);
%! ref = widereal ({"1/3", "-2"; "0.1", "7"}, 3);
%! ops = {@(a) -a, @abs, @sign, @(a) a.', @(a) [a; a], @(a) reshape(a, 1, 4), ...
%!        @sort, @min, @max, @(a) widereal(a, 2), @(a) widereal(a, 5), ...
%!        @double, @single, @num2str, @(a) a(2:3), @(a) a == 1, @(a) a < reshape(z, 2, 2)};
%! for k = 1:numel (ops)
%!   r = ops{k} (x);
%! endfor
%! y(2) = 5;
%! y(1, :) = [];
%! z(end+1) = widereal ("1/7", 6);
%! assert (isequal (x, ref) && isequal (x(:), ref(:)));
%! assert (precision (x), 3);

%!test
%! ## the same for the conversions, statistics, ranges, polynomials, text and
%! ## linear algebra: every operand and every copy sharing its memory intact
%! x = widereal ({"1/3", "-2"; "0.1", "7"}, 3);
%! y = x;  z = x(:);  u = reshape (x, 1, 4);
%! ref = widereal ({"1/3", "-2"; "0.1", "7"}, 3);
%! ops = {@floor, @ceil, @round, @fix, @int64, @logical, @isinf, @nnz, ...
%!        @cumsum, @cumprod, @diff, @mean, @median, @mode, @std, @var, ...
%!        @sum, @prod, @exp, @sin, @cbrt, @(a) nthroot (a, 3), @(a) rem (a, 3), ...
%!        @(a) mod (a, -3), @(a) idivide (a, widereal (2, 3)), @pow2, ...
%!        @(a) kron (a, a), @flip, @rot90, @(a) circshift (a, 1), @det, @inv, ...
%!        @lu, @qr, @svd, @norm, @cond, @(a) a * a, @(a) a \ a(:, 1), ...
%!        @(a) polyfit (a(:, 1), a(:, 2), 1), @(a) polyval (a(:, 1), a), ...
%!        @(a) conv (a(:, 1), a(:, 2)), @(a) sprintf ("%.30f %g", a), ...
%!        @(a) mat2str (a), @(a) evalc ("disp (a)"), @unique, @num2cell, ...
%!        @(a) arrayfun (@(t) t + 1, a), @(a) a(1):a(4), ...
%!        @(a) linspace (a(1), a(4), 3), @trace, @(a) dot (a, a), ...
%!        @(a) meshgrid (a(1, :), a(:, 1)), @(a) hypot (a, a), @(a) atan2 (a, a)};
%! for k = 1:numel (ops)
%!   r = ops{k} (x);
%!   r = ops{k} (y);
%! endfor
%! assert (isequal (x, ref) && isequal (y, ref) && isequal (z, ref(:)) && isequal (u, reshape (ref, 1, 4)));
