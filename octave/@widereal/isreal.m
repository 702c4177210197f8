## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isreal (@var{x})
## True when the widereal array @var{x} is real, false when it is complex
## (it holds an imaginary part, even one of zeros, as Octave's complex
## doubles do).
##
## @example
## isreal (widereal (2))             # true
## isreal (complex (widereal (2), 0))  # false
## @end example
## @seealso{iscomplex, complex, real, imag}
## @end deftypefn
function tf = isreal (x)
  tf = rows (x.w) == x.p + 1;
endfunction

%!assert (isreal (widereal ([1 2])))
%!assert (! isreal (complex (widereal ([1 2]), 0)))
