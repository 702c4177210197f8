## -*- texinfo -*-
## @deftypefn {} {@var{r} =} arg (@var{z})
## The argument of the widereal array @var{z}, the same as
## @code{angle (@var{z})}: atan2 (imag (z), real (z)), correctly rounded.
##
## @example
## arg (complex (widereal (-1), 0))   # pi
## @end example
## @seealso{angle, abs}
## @end deftypefn
function r = arg (z)
  [~, mode] = widereal_rounding ();
  r = z;
  r.w = wr_cplx ("arg", mode, z.p, z.w);
endfunction

%!assert (double (arg (complex (widereal ([-1 -1]), [0 -0]))), [pi -pi])
