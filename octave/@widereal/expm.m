## -*- texinfo -*-
## @deftypefn {} {@var{E} =} expm (@var{A})
## Matrix exponential of the square widereal matrix @var{A}: one call of the
## gateway wr_mfun (scaling and squaring: A / 2^s, exactly, a Taylor
## polynomial of A / 2^s evaluated by Paterson and Stockmeyer's scheme, then
## s squarings).  s and the degree are chosen for the precision: the
## truncated series contributes at most 2^(-64q-1) ||e^A||_1 (q the working
## precision below).  A 1-by-1 @var{A} gives @code{exp (A)}, correctly
## rounded.  Infinite entries raise @code{widefp:domain}.
##
## Rounding: the computation runs at p+2 words (at most 1023 words; A
## extended exactly) and every entry is rounded once to p words in the mode
## of @code{widereal_rounding}.  It is not correctly rounded: the relative
## error in the 1-norm is about 2^(s+5) n 2^(-64(p+2)), with 2^s at most
## 2^25 max (1, norm (A, 1)), below one unit of the last place of the
## largest entries unless norm (A, 1) approaches 2^90, for matrices whose
## powers have no hump (normal matrices, entries of one sign).
##
## @example
## expm (widereal ([0 -1; 1 0], 4))   # [cos(1) -sin(1); sin(1) cos(1)]
## @end example
## @seealso{logm, sqrtm, exp}
## @end deftypefn
function E = expm (A)
  wr_realonly ("expm", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  if (numel (A.sz) != 2 || A.sz(1) != A.sz(2))
    error ("Octave:nonconformant-args", "expm: A must be a square matrix");
  endif
  n = A.sz(1);
  if (n == 1)
    E = exp (A);
    return;
  endif
  [~, m] = widereal_rounding ();
  E = wr_new (wr_mfun ("expm", m, A.p, A.w, n, n), A.p, [n n]);
endfunction

%!test
%! ## references: mpmath expm at 150 digits
%! E = expm (widereal ([1 2; 3 4], 2));
%! R = widereal (["51.968956198705003658124484242647420627848752866986" ;
%!                "112.10484685050481882482386656082727077062295406508" ;
%!                "74.736564567003212549882577707218180513748636043387" ;
%!                "164.07380304920982248294835080347469139847170693207"], 2);
%! assert (double (abs (E(:) - R) ./ R) < 2^-126);
%! G = expm (widereal ([0 -2.5; 2.5 0], 3));
%! assert (double (abs (G - [cos(widereal(2.5,3)) -sin(widereal(2.5,3)); sin(widereal(2.5,3)) cos(widereal(2.5,3))])) < 2^-190);
%! N = expm (widereal ([0 1 3; 0 0 2; 0 0 0]));       # I + N + N^2/2
%! assert (double (N), [1 1 4; 0 1 2; 0 0 1]);
%! assert (double (expm (widereal (zeros (2)))), eye (2));
%! assert (size (expm (widereal (zeros (0)))), [0 0]);
%! assert (double (expm (widereal (1, 3)) - exp (widereal (1, 3))), 0);
%!error <square> expm (widereal (ones (2, 3)))
%!error <infinite> expm (widereal ([1 Inf; 0 1]))
