## -*- texinfo -*-
## @deftypefn  {} {@var{M} =} diag (@var{v})
## @deftypefnx {} {@var{M} =} diag (@var{v}, @var{k})
## @deftypefnx {} {@var{d} =} diag (@var{A}, @var{k})
## As for numeric arrays: a widereal vector @var{v} becomes a square matrix
## with @var{v} on its @var{k}-th diagonal (zeros elsewhere, same
## precision); of a matrix @var{A}, the @var{k}-th diagonal as a column.
##
## @example
## S = diag (widereal ([3 2 1]))   # 3x3, zeros off the diagonal
## @end example
## @end deftypefn
function y = diag (x, k = 0)
  y = wr_index (x, diag (reshape (1:prod (x.sz), x.sz), k));
endfunction

%!test
%! v = widereal ({"1/3", "-2"}, 3);
%! D = diag (v, 1);
%! assert (size (D), [3 3]);
%! assert (precision (D), 3);
%! assert (D(1, 2) == v(1) && D(2, 3) == v(2) && nnz (D) == 2);
%! A = widereal (magic (4));
%! assert (double (diag (A, -1)), diag (magic (4), -1));
%! assert (double (triu (A, 1)), triu (magic (4), 1));
%! assert (double (tril (A)), tril (magic (4)));
%! assert (size (squeeze (widereal (zeros (1, 2, 3)))), [2 3]);
%! d = [1/3 -1 1/3 0 -0 -1];
%! for v = {d, d'}                          # as Octave does for doubles
%!   [y, i, j] = unique (widereal (v{1}));
%!   [yd, id, jd] = unique (v{1});
%!   assert (double (y), yd);
%!   assert ({i, j}, {id, jd});
%! endfor
