## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} cond (@var{A})
## @deftypefnx {} {@var{c} =} cond (@var{A}, @var{type})
## Condition number of the widereal matrix @var{A} in widereal arithmetic:
## for the 2-norm (default) the ratio of the largest to the smallest
## singular value (Inf for a singular matrix); for @var{type} 1, Inf or
## "fro" @code{norm (A, type) * norm (inv (A), type)}.
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
  if (isnumeric (type) && isscalar (type) && type == 2)
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
