## -*- texinfo -*-
## @deftypefn {} {@var{X} =} inv (@var{A})
## Inverse of the square widereal matrix @var{A}: one call of the gateway
## wr_la (elimination with partial pivoting on [A | I], then back substitution).
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
## A complex @var{A} is inverted as @code{A \ eye (n)}: the real system of
## order 2n that @code{mldivide} describes, with the bound stated there.
##
## @example
## inv (widereal ([4 7; 2 6]))   # [0.6 -0.7; -0.2 0.4]
## @end example
## @seealso{mldivide, det}
## @end deftypefn
function X = inv (a)
  if (isobject (a) && rows (a.w) > a.p + 1)
    if (numel (a.sz) != 2 || a.sz(1) != a.sz(2))
      error ("Octave:nonconformant-args", "inverse: argument must be a square matrix");
    endif
    X = mldivide (a, eye (a.sz(1)));          # the real system of order 2n
    return;
  endif
  [x, n, nc, p] = wr_matrixwords (a, "inverse");
  if (n != nc)
    error ("Octave:nonconformant-args", "inverse: argument must be a square matrix");
  endif
  [~, m] = widereal_rounding ();
  [W, state] = wr_la ("inv", m, p, x, n, n);   # state 2: a zero pivot, W all Inf
  if (state > 0)
    warning ("Octave:singular-matrix", "matrix singular to machine precision");
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
%!test # complex: inv ([i 0; 0 2]) = [-i 0; 0 1/2]; A * inv (A) = I at p = 3
%! X = inv (complex (widereal ([0 0; 0 2]), [1 0; 0 0]));
%! assert ([double(real (X)) double(imag (X))], [0 0 -1 0; 0 0.5 0 0]);
%! A = complex (widereal ([2 1; 0 3], 3), [1 0; 1 -1]);
%! E = A * inv (A);
%! assert (double (max (max (abs (real (E) - eye (2))))) < 1e-55 && double (max (max (abs (imag (E))))) < 1e-55);
