## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} cond (@var{A})
## @deftypefnx {} {@var{c} =} cond (@var{A}, @var{type})
## Condition number of the widereal matrix @var{A} in widereal arithmetic:
## for the 2-norm (default) the ratio of the largest to the smallest
## singular value, one call of the gateway wr_la (Inf for a singular
## matrix, the zero matrix included, 0 for an empty one);
## for @var{type} 1, Inf or "fro" @code{norm (A, type) * norm (inv (A),
## type)}, Inf for the zero matrix.
##
## Rounding: the 2-norm condition number divides the singular values as
## @code{svd} computes them at p+2 words, rounded in the mode of
## @code{widereal_rounding} there and once more to p words; the others round
## each step as @code{norm}, @code{inv} and @code{.*} state.  The condition
## number is an estimate, not correctly rounded.
##
## @example
## cond (widereal ([1 2; 3 4]))   # 14.933...
## @end example
## @seealso{norm, svd, inv}
## @end deftypefn
function c = cond (A, type = 2)
  wr_realonly ("cond", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  p = A.p;
  if (isnumeric (type) && isscalar (type) && type == 2)
    if (numel (A.sz) > 2)
      error ("Octave:invalid-input-arg", "cond: A must be a 2-D matrix");
    endif
    [~, m] = widereal_rounding ();
    c = wr_new (wr_la ("cond", m, p, A.w, A.sz(1), A.sz(2)), p, [1 1]);
    return;
  endif
  a = norm (A, type);
  if (columns (A.w) > 0 && A.sz(1) == A.sz(2) && a == 0)
    c = widereal (Inf, p);                  # not 0 * Inf
  else
    c = a .* norm (inv (A), type);
  endif
endfunction

%!test
%! assert (double (cond (widereal ([1 2; 3 4]))), cond ([1 2; 3 4]), 1e-13);
%! assert (double (cond (widereal ([1 2; 3 4]), 1)), 21, 1e-60);
%! assert (double (cond (widereal (eye (3)))), 1);
%! assert (double (cond (widereal ([1 1; 1 1]))), Inf);
%! assert (double ([cond(widereal (zeros (2))), cond(widereal ([0 -0; 0 0]), 1)]), [Inf Inf]);
