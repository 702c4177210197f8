## -*- texinfo -*-
## @deftypefn {} {@var{X} =} mrdivide (@var{B}, @var{A})
## Solution of @code{@var{X} * @var{A} = @var{B}}, written @code{B / A}:
## @code{(A.' \ B.').'} (see @code{mldivide}): for a rectangular @var{A}
## the least-squares solution, of least norm when A has more rows than
## columns or deficient rank, as Octave's @code{/}; a scalar @var{A} gives
## @code{B ./ A}.
##
## Rounding: a scalar @var{A} gives quotients correctly rounded in the mode
## of @code{widereal_rounding}; a matrix @var{A} rounds as @code{mldivide}
## states (a solve at p+2 words, each entry rounded once, not correctly
## rounded).
##
## @example
## widereal ([1 2]) / widereal ([4 1; 2 3])   # [-0.1 0.7]
## widereal (1) / 3                           # 0.3333...
## widereal ([1 2 3]) / [1 1 1; 0 1 2]        # [1 1]
## @end example
## @seealso{mldivide, rdivide}
## @end deftypefn
function X = mrdivide (b, a)
  if ((isobject (a) && columns (a.w) == 1)    # numel (a) would call a method
      || (! isobject (a) && numel (a) == 1))
    X = rdivide (b, a);
  else
    X = transpose (mldivide (transpose (a), transpose (b)));
  endif
endfunction

%!test
%! assert (double (widereal ([1 2]) / widereal ([4 1; 2 3])), [-0.1 0.7], 1e-70);
%! assert (double (widereal (1, 2) / 4), 0.25);
%! assert (double ([1 2] / widereal (4)), [0.25 0.5]);
%! assert (double (widereal (4) \ [1 2]), [0.25 0.5]);
%!test # rectangular: least squares (consistent) and least norm, against exact values
%! x = widereal ([1 2 3], 3) / [1 1 1; 0 1 2];
%! assert (all (abs (x - [1 1]) < 1e-55));
%! x = widereal ([1 2], 3) / widereal ([1 4; 2 5; 3 6]);   # x A = b, A 3x2: least norm
%! assert (all (abs (x - widereal ({"-1/18", "1/9", "5/18"}, 3)) < 1e-55));
%!error <nonconformant> widereal ([1 2 3]) / widereal (ones (3, 2))
