## -*- texinfo -*-
## @deftypefn  {} {@var{s} =} svd (@var{A})
## @deftypefnx {} {[@var{U}, @var{S}, @var{V}] =} svd (@var{A})
## @deftypefnx {} {[@var{U}, @var{S}, @var{V}] =} svd (@var{A}, "econ")
## @deftypefnx {} {[@var{U}, @var{S}, @var{V}] =} svd (@var{A}, 0)
## Singular value decomposition of the m-by-n widereal matrix @var{A},
## @code{A = U * S * V'}: one call of the gateway wr_la (Householder bidiagonalisation
## and shifted QR sweeps); the sweeps stop when each superdiagonal entry is
## below 2^(-64q) of its neighbours (q the working precision below).  @var{s} is the column of the k = min(m,n) singular
## values in decreasing order.  The forms are Octave's:
## @code{[U, S, V] = svd (A)} is the full decomposition, @var{U} m-by-m
## and @var{V} n-by-n orthogonal, @var{S} m-by-n (the columns of the larger
## of U and V beyond the k-th are an orthonormal complement, from a full
## QR factorisation of the economy factor); @code{svd (A, "econ")} the
## economy one, @var{U} m-by-k, @var{S} k-by-k, @var{V} n-by-k;
## @code{svd (A, 0)} the economy one for m > n and the full one otherwise.
## @var{S} is a full (not a diagonal) matrix.  Infinite entries raise
## @code{widefp:domain}.
##
## Rounding: the decomposition runs at p+2 words (at most 1023 words; A
## extended exactly) and every singular value and every entry of U and V
## is rounded once to p words in the mode of @code{widereal_rounding}.  It
## is not correctly rounded: a singular value carries an error of about
## n 2^(-64(p+2)) times the largest one before that rounding, below one
## unit of the last place of the largest singular values (the small ones
## are known to that absolute accuracy only).
##
## @example
## svd (widereal ([3 0; 4 5]))   # [3*sqrt(5); sqrt(5)]
## @end example
## @seealso{norm, cond, qr}
## @end deftypefn
function [U, S, V] = svd (a, opt)
  wr_realonly ("svd", a);
  [x, m, n, p] = wr_matrixwords (a, "svd");
  econ = false;
  if (nargin > 1)
    if (isnumeric (opt) && isscalar (opt) && opt == 0)
      econ = m > n;
    elseif (ischar (opt) && strcmpi (opt, "econ"))
      econ = true;
    else
      error ("widefp:range", "svd: the second argument must be 0 or \"econ\"");
    endif
  endif
  k = min (m, n);
  [~, mode] = widereal_rounding ();
  if (nargout > 1)
    if (econ)
      [~, Uw, Sw, Vw] = wr_la ("svd", mode, p, x, m, n);
      U = wr_new (Uw, p, [m k]);
      S = wr_new (Sw, p, [k k]);
      V = wr_new (Vw, p, [n k]);
    else
      [~, Uw, Sw, Vw] = wr_la ("svdfull", mode, p, x, m, n);
      U = wr_new (Uw, p, [m m]);
      S = wr_new (Sw, p, [m n]);
      V = wr_new (Vw, p, [n n]);
    endif
  else
    U = wr_new (wr_la ("svd", mode, p, x, m, n), p, [k 1]);
  endif
endfunction

%!test # values; the full, economy and 0 forms, tall and wide
%! s = svd (widereal ([3 0; 4 5]));
%! assert (double (s), [3 * sqrt(5); sqrt(5)], 1e-15);
%! assert (double (s(1) * s(2)), 15, 1e-70);
%! A = widereal ([1 2; 3 4; 5 6], 3);
%! ## (91 +- sqrt(8185)) / 2 square-rooted (mpmath, 70 digits)
%! ref = widereal ({"9.525518091565108215253209764679721284311736482552099088134870904400272"; ...
%!                  "0.5143005806586442724918732434813773071964542054446203066392158849569274"}, 3);
%! assert (all (abs (double (svd (A) - ref)) < 1e-56));
%! [U, S, V] = svd (A);
%! assert ([size(U), size(S), size(V)], [3 3 3 2 2 2]);
%! assert (all (abs (double (diag (S) - ref)) < 1e-56));
%! assert (double (U * S * V'), [1 2; 3 4; 5 6], 1e-55);
%! assert (double (U' * U), eye (3), 1e-55);
%! assert (double (V' * V), eye (2), 1e-55);
%! [Ue, Se, Ve] = svd (A, "econ");
%! assert ([size(Ue), size(Se), size(Ve)], [3 2 2 2 2 2]);
%! assert (isequal (Ue, U(:, 1:2)) && isequal (Se, S(1:2, :)) && isequal (Ve, V));
%! [U0, S0] = svd (A, 0);
%! assert (isequal (U0, Ue) && isequal (S0, Se));
%! [U, S, V] = svd (A');                              # wide: full V
%! assert ([size(U), size(S), size(V)], [2 2 2 3 3 3]);
%! assert (double (U * S * V'), [1 3 5; 2 4 6], 1e-55);
%! assert (double (V' * V), eye (3), 1e-55);
%! [~, S0, V0] = svd (A', 0);                         # 0 keeps a wide one full
%! assert ([size(S0), size(V0)], [2 3 3 3]);
%! [~, Se, Ve] = svd (A', "econ");
%! assert ([size(Se), size(Ve)], [2 2 3 2]);
%! assert (double (svd (widereal (diag ([1 3 2])))), [3; 2; 1]);
%! [U, S, V] = svd (widereal (zeros (3, 0)));          # empty as Octave
%! assert (double (U), eye (3));
%! assert ([size(S), size(V)], [3 0 0 0]);

%!error <second argument> svd (widereal (1), "full")
%!error <infinite> svd (widereal ([1 Inf]))
