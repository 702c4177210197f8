## -*- texinfo -*-
## @deftypefn {} {@var{X} =} mldivide (@var{A}, @var{B})
## Solution of @code{@var{A} * @var{X} = @var{B}}, written @code{A \ B}.
##
## A square @var{A}: one call of wr_solve (elimination with partial
## pivoting, then back substitution).  A pivot more than 2^(8-64q) below
## the largest (q the working precision below) gives the warning
## @code{Octave:singular-matrix}; a zero pivot also a result of Inf
## entries.  A tall @var{A} (more rows than columns): the least-squares
## solution through @code{qr}, @code{mtimes} and a square solve, each
## rounded as it states.  A scalar @var{A}: @code{B ./ A}, correctly
## rounded.  Infinite entries raise @code{widefp:domain}.
##
## Rounding: a square solve runs at p+2 words (at most 1023 words; the
## operands extended exactly) and every entry of X is rounded once to p
## words in the mode of @code{widereal_rounding}.  It is not correctly
## rounded: the entries carry the error of the elimination at 64(p+2)+1
## bits, about n 2^(-64(p+2)) times the condition number of A in relative
## terms, which stays below one unit of the last place unless the condition
## number reaches about 2^120 / n.
##
## @example
## A = widereal ([4 1; 2 3]);
## x = A \ [1; 2]       # [0.1; 0.6]
## @end example
## @seealso{mrdivide, inv, qr}
## @end deftypefn
function X = mldivide (a, b)
  if ((isobject (a) && columns (a.w) == 1)    # numel (a) would call a method
      || (! isobject (a) && numel (a) == 1))
    X = rdivide (b, a);
    return;
  endif
  [x, y, p, sa, sb] = wr_operands (a, b, false);
  A = wr_new (x, p, sa);
  B = wr_new (y, p, sb);
  if (numel (sb) > 2 || sa(1) != sb(1))
    error ("Octave:nonconformant-args",
           "operator \\: nonconformant arguments (op1 is %dx%d, op2 is %s)",
           sa(1), sa(2), strjoin (arrayfun (@num2str, sb, "uniformoutput", false), "x"));
  endif
  [xa, n, na, q] = wr_matrixwords (A, "mldivide");
  if (n < na)
    error ("widefp:size", "mldivide: underdetermined systems (more columns than rows) are not supported");
  elseif (n > na)
    [Q, R] = qr (A);
    X = mldivide (R, mtimes (Q.', B));
    return;
  endif
  xb = wr_matrixwords (B, "mldivide");
  r = sb(2);
  G = reshape (1:n*(n+r), n + r, n).';     # G(i,j): position of (i,j) by rows
  M = wr_byrowscopy ([xa, xb], n, n + r);
  wr_solve (M, n, r, q, zeros (q + 1, 2, "uint64"));
  W = wr_back (M(:, G(:, n+1:end)(:).'), q, p);
  state = wr_pivots (M, (0:n-1) * (n + r) + (1:n), q);
  if (state > 0)
    warning ("Octave:singular-matrix", "matrix singular to machine precision");
  endif
  if (state == 2)                   # a zero pivot was divided by: no values
    W(:) = 0;
    W(1, :) = 0x7fffffffffffffffu64;
  endif
  X = wr_new (W, p, [n r]);
endfunction

%!test
%! A = widereal ([4 1; 2 3]);
%! assert (double (A \ [1; 2]), [0.1; 0.6], 1e-70);
%! H = widereal (1 ./ ((1:6)' + (1:6) - 1), 4);     # Hilbert, cond ~ 1.5e7
%! x = H \ (H * ones (6, 1));
%! assert (double (x), ones (6, 1), 1e-60);
%! assert (double (widereal (2) \ [4 6]), [2 3]);
%! ## least squares: the line through (0,1), (1,2), (2,4)
%! c = widereal ([1 0; 1 1; 1 2]) \ [1; 2; 4];
%! assert (double (c), [5/6; 1.5], 1e-70);
%!test
%! warning ("off", "Octave:singular-matrix", "local");
%! assert (double (widereal ([1 2; 2 4]) \ [1; 2]), [Inf; Inf]);
%!warning <^matrix singular to machine precision$> widereal ([1 2; 2 4]) \ [1; 2];
%!warning <singular> widereal (magic (4)) \ ones (4, 1);   # rounding leaves a tiny pivot
%!error <nonconformant> widereal (eye (2)) \ ones (3, 1)
%!error <infinite> widereal ([1 Inf; 0 1]) \ [1; 1]
