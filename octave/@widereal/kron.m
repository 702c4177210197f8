## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} kron (@var{a}, @var{b})
## @deftypefnx {} {@var{y} =} kron (@var{a}, @var{b}, @dots{})
## The Kronecker product of two matrices, at least one a widereal (the
## other a double, integer or logical matrix, taken exactly): the blocks
## @code{a(i,j) * b}.  With more arguments, @code{kron (kron (a, b), @dots{})}.
## The result has the largest precision among the widereal arguments.
##
## Rounding: each element is one product correctly rounded to p words in
## the mode of @code{widereal_rounding}.
##
## @example
## kron (widereal ([1 2]), [1; 10])   # [1 2; 10 20]
## @end example
## @seealso{times, widereal_rounding}
## @end deftypefn
function y = kron (a, b, varargin)
  if (nargin < 2)
    print_usage ();
  endif
  if (! isempty (varargin))
    y = kron (kron (a, b), varargin{:});
    return;
  endif
  sa = size (a);
  sb = size (b);
  if (numel (sa) > 2 || numel (sb) > 2)
    error ("widefp:size", "kron: A and B must be matrices");
  endif
  ia = kron (reshape (1:prod (sa), sa), ones (sb));   # Octave's own kron
  ib = kron (ones (sa), reshape (1:prod (sb), sb));
  y = subsref (a, substruct ("()", {ia})) .* subsref (b, substruct ("()", {ib}));
  if (! isobject (y))                # empty operands
    y = widereal (y);
  endif
endfunction

%!test
%! a = [1 2; 3 4];
%! b = [0 5; 6 7; -1 2];
%! assert (double (kron (widereal (a), b)), kron (a, b));
%! assert (double (kron (a, widereal (b))), kron (a, b));
%! assert (double (kron (widereal ([1 2]), [1 1], [1; -1])), kron ([1 2], [1 1], [1; -1]));
%! assert (size (kron (widereal (zeros (0, 2)), ones (3))), [0 6]);
%! ## one rounding each: (1/3 at p = 2) * 3 rounds to 1 (nearest)
%! y = kron (widereal ("1/3", 2), widereal ([3 1], 1));
%! assert (precision (y), 2);
%! assert (y == [1, widereal("1/3", 2)]);
%!error id=widefp:size kron (widereal (ones (2, 2, 2)), 1)
