## -*- texinfo -*-
## @deftypefn {} {@var{L} =} logm (@var{A})
## Principal logarithm of the square widereal matrix @var{A}, for matrices
## without eigenvalues on the closed negative real axis: one call of the
## gateway wr_mfun (inverse scaling and squaring: k square roots by the
## Denman-Beavers iteration until ||A^(1/2^k) - I||_1 <= 1/2, then the
## series log (I + X) = 2 atanh (X (2I + X)^-1) summed until its tail is
## below 2^(-64q-2) of its first term, q the working precision below, and
## L = 2^k times that).  A 1-by-1 @var{A} gives @code{log (A)}, correctly
## rounded.  A matrix with det (A) < 0, a singular iterate or no
## convergence raise @code{widefp:domain} or @code{widefp:convergence}: the
## logarithm would be complex, and complex widereals are not available yet.
##
## Rounding: the computation runs at p+2 words (at most 1023 words) and
## every entry is rounded once to p words in the mode of
## @code{widereal_rounding}.  It is not correctly rounded: the rounding
## errors of the square roots (about n 2^(-64(p+2)) cond (A) each) are
## magnified by up to 2^k relative to the norm of L; for well-conditioned
## matrices the result is within a unit of the last place of its largest
## entries.
##
## @example
## logm (widereal ([2 1; 0 2]))   # [log(2) 0.5; 0 log(2)]
## @end example
## @seealso{expm, sqrtm, log}
## @end deftypefn
function L = logm (A)
  wr_realonly ("logm", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  if (numel (A.sz) != 2 || A.sz(1) != A.sz(2))
    error ("Octave:nonconformant-args", "logm: A must be a square matrix");
  endif
  n = A.sz(1);
  if (n == 1)
    if (A < 0)
      error ("widefp:domain", "logm: the logarithm of a negative number is complex; complex widereals are not available yet");
    endif
    L = log (A);
    return;
  endif
  [~, m] = widereal_rounding ();
  L = wr_new (wr_mfun ("logm", m, A.p, A.w, n, n), A.p, [n n]);
endfunction

%!test
%! ## references: mpmath logm at 150 digits
%! L = logm (widereal ([4 1; 1 3], 2));
%! R = widereal (["1.3469849223383192386092773631141272572477692358056 " ;
%!                "0.29607457187826793315661114826312521467383161767371" ;
%!                "0.29607457187826793315661114826312521467383161767371" ;
%!                "1.0509103504600513054526662148510020425739376181319 "], 2);
%! assert (double (abs (L(:) - R) ./ R) < 2^-124);
%! J = logm (widereal ([2 1; 0 2], 3));
%! assert (double (abs (J - [log(widereal(2, 3)) 0.5; 0 log(widereal(2, 3))])) < 2^-188);
%! A = widereal ([1 0.5 0; 0.25 2 0.125; 0 0.5 3], 3);
%! assert (double (max (abs (expm (logm (A)) - A)(:))) < 2^-180);
%! assert (double (logm (widereal (eye (3)))), zeros (3));
%!error <square> logm (widereal (ones (2, 3)))
%!error <complex widereals> logm (widereal ([-1 0; 0 4]))
