## -*- texinfo -*-
## @deftypefn {} {@var{X} =} mldivide (@var{A}, @var{B})
## Solution of @code{@var{A} * @var{X} = @var{B}}, written @code{A \ B}.
##
## A square @var{A}: one call of the gateway wr_la (elimination with partial
## pivoting, then back substitution).  A pivot more than 2^(8-64q) below
## the largest (q the working precision below) gives the warning
## @code{Octave:singular-matrix}; a zero pivot also a result of Inf
## entries.  A tall @var{A} (more rows than columns): the least-squares
## solution through Householder QR, @code{R \ (Q' * B)}, in one call of
## wr_la; a zero or relatively tiny diagonal entry of R (A of deficient
## rank) warns as a pivot does.  A scalar @var{A}: @code{B ./ A}, correctly
## rounded.  Infinite entries raise @code{widefp:domain}.
##
## Rounding: a square solve or a least-squares solution runs at p+2 words
## (at most 1023 words; the operands extended exactly) and every entry of
## X is rounded once to p words in the mode of @code{widereal_rounding}.
## It is not correctly rounded: the entries carry the error of the
## elimination (or the reflections) at 64(p+2)+1 bits, about
## n 2^(-64(p+2)) times the condition number of A in relative terms, which
## stays below one unit of the last place unless the condition
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
  if (numel (sb) > 2 || sa(1) != sb(1))
    error ("Octave:nonconformant-args",
           "operator \\: nonconformant arguments (op1 is %dx%d, op2 is %s)",
           sa(1), sa(2), strjoin (arrayfun (@num2str, sb, "uniformoutput", false), "x"));
  endif
  if (numel (sa) > 2)
    error ("Octave:invalid-input-arg", "mldivide: A must be a 2-D matrix");
  endif
  n = sa(1);
  if (n < sa(2))
    error ("widefp:size", "mldivide: underdetermined systems (more columns than rows) are not supported");
  endif
  [~, m] = widereal_rounding ();
  if (n > sa(2))                            # least squares
    [W, state] = wr_la ("lsq", m, p, x, n, sa(2), y, sb(2));
  else                                      # state 2: W all Inf
    [W, state] = wr_la ("solve", m, p, x, n, n, y, sb(2));
  endif
  if (state > 0)
    warning ("Octave:singular-matrix", "matrix singular to machine precision");
  endif
  X = wr_new (W, p, [sa(2) sb(2)]);
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
