## -*- texinfo -*-
## @deftypefn  {} {@var{AA} =} balance (@var{A})
## @deftypefnx {} {@var{AA} =} balance (@var{A}, @var{opt})
## @deftypefnx {} {[@var{DD}, @var{AA}] =} balance (@var{A}, @var{opt})
## @deftypefnx {} {[@var{S}, @var{P}, @var{AA}] =} balance (@var{A}, @var{opt})
## Balancing of the square widereal matrix @var{A} as Octave's balance does
## it: @code{AA = DD \ A * DD}, @code{DD = eye (n)(:, P) * diag (S)}, first
## permutations isolating eigenvalues, then a diagonal scaling by powers of
## two that evens out the norms of rows and columns (one call of the
## gateway wr_mfun).  @var{opt} "noperm" (or "S") skips the permutations,
## "noscal" (or "P") the scaling.  @var{S} is a widereal column, @var{P} a
## double column.  The generalized form balance (A, B) is not available.
##
## Rounding: exact.  AA, DD and S are exact (scaling by powers of two), in
## every mode.  The decisions compare norms computed at two words, so on
## borderline matrices they may differ from those made in double precision.
##
## @example
## [DD, AA] = balance (widereal ([1 100; 0.01 1]))   # DD = diag ([16 0.25])
## @end example
## @seealso{hess}
## @end deftypefn
function varargout = balance (A, opt = "")
  wr_realonly ("balance", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  if (! ischar (opt))
    error ("widefp:type", "balance: the generalized form balance (A, B) is not available for widereals");
  endif
  if (numel (A.sz) != 2 || A.sz(1) != A.sz(2))
    error ("Octave:nonconformant-args", "balance: A must be a square matrix");
  endif
  switch (lower (opt))
    case ""
      perm = 1; scal = 1;
    case {"noperm", "s"}
      perm = 0; scal = 1;
    case {"noscal", "p"}
      perm = 1; scal = 0;
    otherwise
      error ("Octave:invalid-input-arg", "balance: invalid option \"%s\"", opt);
  endswitch
  n = A.sz(1);
  p = A.p;
  [~, m] = widereal_rounding ();
  [AAw, DDw, Sw, P] = wr_mfun ("balance", m, p, A.w, n, n, perm, scal);
  AA = wr_new (AAw, p, [n n]);
  if (nargout <= 1)
    varargout = {AA};
  elseif (nargout == 2)
    varargout = {wr_new(DDw, p, [n n]), AA};
  else
    varargout = {wr_new(Sw, p, [n 1]), P, AA};
  endif
endfunction

%!test
%! [DD, AA] = balance (widereal ([1 100; 0.01 1], 2));      # as Octave's balance
%! assert (double (DD), diag ([16 0.25]));
%! assert (double (AA), [1 1.5625; 0.64 1]);
%! [S, P, AA] = balance (widereal ([1 0 0; 2 3 4; 5 0 6]));
%! assert ({double(S), P, double(AA)}, {[1; 1; 1], [2; 3; 1], [3 4 2; 0 6 5; 0 0 1]});
%! A = widereal ([1 1e-9 3; 2e10 4 5e10; 6 7e-9 8], 3);
%! [DD, AA] = balance (A);
%! assert (double (DD * AA - A * DD), zeros (3));      # exact
%! [D0, ~] = balance (double (A));
%! assert (double (DD), D0);
%! assert (double (balance (A, "noscal")), double (A));
%!error <square> balance (widereal (ones (2, 3)))
%!error <generalized> balance (widereal (eye (2)), eye (2))
