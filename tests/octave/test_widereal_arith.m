## The widereal arithmetic hands every in-place plug-in a fresh array: no
## operation changes its operands or variables sharing their memory.
1;

%!test
%! A = widereal ([4 1 2; 1 5 3; 2 3 6] / 7, 3);
%! B = A;                       # shares A's words
%! v = A(:, 1);
%! w = v;
%! refA = widereal ([4 1 2; 1 5 3; 2 3 6] / 7, 3);
%! refv = refA(:, 1);
%! ops = {@(a) a + v, @(a) v - a, @(a) a .* v, @(a) a ./ v, @(a) v .\ a, ...
%!        @(a) a * a, @(a) a \ v, @(a) v' / a, @inv, @det, @lu, @qr, @svd, ...
%!        @(a) norm (a), @(a) norm (a, 1), @cond, @sqrt, @sum, @(a) sum (a, 2), ...
%!        @prod, @cumsum, @(a) dot (v, w), @(a) a .^ 3, @(a) a ^ -2, @floor, ...
%!        @ceil, @round, @fix, @(a) mod (a, v), @(a) widereal (a, 1) * v};
%! for k = 1:numel (ops)
%!   ops{k} (A);
%! endfor
%! [L, U, P] = lu (A);
%! [U, S, V] = svd (A);
%! [Q, R] = qr (A);
%! s = widereal (3, 2);           # 1-by-1: index lists that Octave may alias
%! t = s;
%! for f = {@det, @inv, @lu, @qr, @svd, @(a) a \ a, @sqrt, @(a) a ^ -3}
%!   f{1} (s);
%! endfor
%! for f = {@lu, @qr, @svd, @norm, @(a) a \ a}   # a column: the same
%!   f{1} (v);
%! endfor
%! assert (isequal (A, refA) && isequal (B, refA));
%! assert (isequal (v, refv) && isequal (w, refv));
%! assert (isequal (s, widereal (3, 2)) && isequal (t, widereal (3, 2)));
