## -*- texinfo -*-
## @deftypefn {} {@var{b} =} imag (@var{z})
## The imaginary parts of the widereal array @var{z} (exact), a real
## widereal array; zeros for a real @var{z}.
##
## @example
## imag (complex (widereal (3), 4))   # 4
## @end example
## @seealso{real, complex, conj}
## @end deftypefn
function b = imag (z)
  b = z;
  if (rows (z.w) > z.p + 1)
    b.w = z.w(z.p+2:end, :);
  else
    b.w = repmat (wr_conv ("scalar", z.p, 0), 1, columns (z.w));
  endif
endfunction

%!assert (double (imag (complex (widereal ([3 -1]), [4 5]))), [4 5])
%!assert (double (imag (widereal ([1 2]))), [0 0])
