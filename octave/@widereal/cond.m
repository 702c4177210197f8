## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} cond (@var{A})
## @deftypefnx {} {@var{c} =} cond (@var{A}, @var{type})
## Condition number of the widereal matrix @var{A} in widereal arithmetic:
## for the 2-norm (default) the ratio of the largest to the smallest
## singular value (Inf for a singular matrix, the zero matrix included);
## for @var{type} 1, Inf or "fro" @code{norm (A, type) * norm (inv (A),
## type)}, Inf for the zero matrix.
##
## Rounding: each step rounds as @code{svd}, @code{norm}, @code{inv} and
## @code{./} state, in the mode of @code{widereal_rounding}; the condition
## number is an estimate, not correctly rounded.
##
## @example
## cond (widereal ([1 2; 3 4]))   # 14.933...
## @end example
## @seealso{norm, svd, inv}
## @end deftypefn
function c = cond (A, type = 2)
  if (! isa (A, "widereal"))
    A = widereal (A);
  endif
  zero = ! isempty (A.w) && all (bitand (A.w(1, :), 0x7fffffffffffffffu64) == 0);
  if (zero && (isequal (type, 2) || rows (A) == columns (A)))
    c = widereal (Inf, A.p);                # 0/0 or 0 * Inf otherwise
  elseif (isnumeric (type) && isscalar (type) && type == 2)
    s = svd (A);
    if (isempty (s))
      c = widereal (0, A.p);
    else
      c = wr_new (s.w(:, 1), A.p, [1 1]) ./ wr_new (s.w(:, end), A.p, [1 1]);
    endif
  else
    c = norm (A, type) .* norm (inv (A), type);
  endif
endfunction

%!test
%! assert (double (cond (widereal ([1 2; 3 4]))), cond ([1 2; 3 4]), 1e-13);
%! assert (double (cond (widereal ([1 2; 3 4]), 1)), 21, 1e-60);
%! assert (double (cond (widereal (eye (3)))), 1);
%! assert (double (cond (widereal ([1 1; 1 1]))), Inf);
%! assert (double ([cond(widereal (zeros (2))), cond(widereal ([0 -0; 0 0]), 1)]), [Inf Inf]);
