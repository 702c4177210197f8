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
