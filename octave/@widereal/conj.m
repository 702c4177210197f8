## -*- texinfo -*-
## @deftypefn {} {@var{y} =} conj (@var{z})
## The complex conjugates of the widereal array @var{z}: the imaginary
## parts negated (exact; zeros change sign, as Octave's conj).  A real
## @var{z} is returned as it is.
##
## @example
## conj (widereal ("1+2i"))   # 1 - 2i
## @end example
## @seealso{real, imag, ctranspose}
## @end deftypefn
function y = conj (z)
  y = z;
  if (rows (z.w) > z.p + 1)
    q = z.p + 2;
    y.w(q:end, :) = wr_conv ("neg", z.p, z.w(q:end, :));
  endif
endfunction

%!test
%! z = conj (complex (widereal ([1 -3; 0 0], 2), [2 -0.5; 0 Inf]));
%! assert (iscomplex (z) && precision (z) == 2);
%! assert (double (z), [1-2i, -3+0.5i; complex(0, -0), complex(0, -Inf)]);
%! assert (1 ./ imag (double (z))(2, 1), -Inf);
%! assert (isreal (z(2, 1)));                 # narrowed, as Octave
%! assert (conj (widereal (-2)) == -2);
%! z = widereal ([1+2i; 3-4i])';
%! assert (double (z), [1-2i, 3+4i]);
%! assert (double (widereal ([1+2i; 3-4i]).'), [1+2i, 3-4i]);
