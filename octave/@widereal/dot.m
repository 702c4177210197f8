## -*- texinfo -*-
## @deftypefn  {} {@var{d} =} dot (@var{a}, @var{b})
## @deftypefnx {} {@var{d} =} dot (@var{a}, @var{b}, @var{dim})
## Dot product of two vectors with the same number of elements (one call
## of wr_dot: each product and each sum truncated toward zero to p words),
## or the dot products of the columns of two arrays of one size along
## @var{dim}, @code{sum (a .* b, dim)}.  Operands and precision as for
## @code{plus}.
##
## @example
## dot (widereal ([1 2 3]), [4; 5; 6])   # 32
## @end example
## @seealso{mtimes, sum}
## @end deftypefn
function d = dot (a, b, dim = [])
  [x, y, p, sa, sb] = wr_operands (a, b, false);
  n = columns (x);
  vectors = isempty (dim) && numel (sa) == 2 && numel (sb) == 2 ...
            && min (sa) <= 1 && min (sb) <= 1;
  E = 0x7fffffffffffffffu64;
  if (vectors && columns (y) == n && p > 1
      && ! any (bitand ([x(1, :), y(1, :)], E) == E))
    D = zeros (p + 1, 1, "uint64");
    wr_dot (D, [x, y], n, p, zeros (p + 1, 1, "uint64"));
    d = wr_new (wr_tidy (D), p, [1 1]);
  elseif (vectors)
    if (columns (y) != n)
      error ("Octave:nonconformant-args", "dot: sizes of X and Y must match");
    endif
    d = sum (wr_new (x, p, [n 1]) .* wr_new (y, p, [n 1]));
  else
    if (numel (sa) != numel (sb) || any (sa != sb))
      error ("Octave:nonconformant-args", "dot: sizes of X and Y must match");
    endif
    d = sum (wr_new (x, p, sa) .* wr_new (y, p, sb), dim);
  endif
endfunction

%!test
%! assert (double (dot (widereal ([1 2 3]), [4; 5; 6])), 32);
%! assert (double (dot (widereal ([1 2; 3 4]), [1 2; 3 4])), [10 20]);
%! assert (double (dot (widereal ([1 2; 3 4]), [1 2; 3 4], 2)), [5; 25]);
%! assert (double (dot (widereal ([1 Inf]), [2 3])), Inf);
%! assert (double (dot (widereal ([3 4], 1), [3 4])), 25);
%! assert (double (dot (widereal (zeros (1, 0)), zeros (1, 0))), 0);
%!error <must match> dot (widereal ([1 2 3]), [1 2])
