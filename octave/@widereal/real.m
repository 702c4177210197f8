## -*- texinfo -*-
## @deftypefn {} {@var{a} =} real (@var{z})
## The real parts of the widereal array @var{z} (exact), a real widereal
## array; a real @var{z} is returned as it is.
##
## @example
## real (complex (widereal (3), 4))   # 3
## @end example
## @seealso{imag, complex, conj}
## @end deftypefn
function a = real (z)
  a = z;
  if (rows (z.w) > z.p + 1)
    a.w = z.w(1:z.p+1, :);
  endif
endfunction

%!assert (real (complex (widereal ([3 -1]), 4)) == widereal ([3 -1]))
%!assert (isreal (real (complex (widereal (3), 4))))
