## -*- texinfo -*-
## @deftypefn {} {@var{X} =} inv (@var{A})
## Inverse of the square widereal matrix @var{A}: one call of wr_inv
## (elimination with partial pivoting on [A | I], then back substitution).
## A pivot more than 2^(8-64q) below the largest (q the working precision
## below) gives the warning @code{Octave:singular-matrix}; a zero pivot also
## a matrix of Inf.  Infinite entries raise @code{widefp:domain}.
##
## Rounding: the computation runs at p+2 words (at most 1023 words; the
## operands extended exactly) and every entry of the result is rounded once
## to p words in the mode of @code{widereal_rounding}.  It is not correctly
## rounded: the entries carry the error of the algorithm at 64(p+2)+1
## bits, about (n 2^(-64(p+2))) times the condition number in relative
## terms, which stays below one unit of the last place of the result unless
## the condition number reaches about 2^120 / n.
##
## @example
## inv (widereal ([4 7; 2 6]))   # [0.6 -0.7; -0.2 0.4]
## @end example
## @seealso{mldivide, det}
## @end deftypefn
function X = inv (a)
  [x, n, nc, q] = wr_matrixwords (a, "inverse");
  if (n != nc)
    error ("Octave:nonconformant-args", "inverse: argument must be a square matrix");
  endif
  p = a.p;
  G = reshape (1:2*n*n, 2 * n, n).';       # G(i,j): position of (i,j) by rows
  M = zeros (q + 1, 2 * n * n, "uint64");
  M(:, G(:, 1:n)(:)) = x;
  wr_inv (M, n, q, zeros (q + 1, 2, "uint64"));
  W = wr_back (M(:, G(:, n+1:end)(:).'), q, p);
  state = wr_pivots (M, (0:n-1) * 2 * n + (1:n), q);
  if (state > 0)
    warning ("Octave:singular-matrix", "matrix singular to machine precision");
  endif
  if (state == 2)                   # a zero pivot was divided by: no values
    W(:) = 0;
    W(1, :) = 0x7fffffffffffffffu64;
  endif
  X = wr_new (W, p, [n n]);
endfunction

%!test
%! assert (double (inv (widereal ([4 7; 2 6]))), [0.6 -0.7; -0.2 0.4], 1e-70);
%! H = widereal (1 ./ ((1:5)' + (1:5) - 1), 3);
%! assert (double (inv (H) * H), eye (5), 1e-45);
%! assert (double (inv (widereal (eye (3)))), eye (3));
%! assert (precision (inv (widereal (2, 1))), 1);
%! assert (double (inv (widereal (4, 1))), 0.25);
%!warning <^matrix singular to machine precision$> inv (widereal ([1 2; 2 4]));
%!error <square> inv (widereal (ones (2, 3)))
