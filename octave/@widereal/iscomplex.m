## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} iscomplex (@var{x})
## True when the widereal array @var{x} is complex (see @code{isreal}).
##
## @example
## iscomplex (complex (widereal (1), 2))   # true
## @end example
## @seealso{isreal, complex}
## @end deftypefn
function tf = iscomplex (x)
  tf = rows (x.w) > x.p + 1;
endfunction

%!assert (iscomplex (complex (widereal (1), widereal (-2))))
%!assert (! iscomplex (widereal (1)))
