## -*- texinfo -*-
## @deftypefn  {} {@var{p} =} widereal_precision ()
## @deftypefnx {} {@var{old} =} widereal_precision (@var{p})
## The default precision, in 64-bit words, of new widereal numbers.
##
## It starts at 4 words (256 fraction bits, about 77 decimal digits).  With an
## argument the default becomes @var{p} (an integer from 1 to 1022) and the
## previous default is returned.  The setting lives until Octave ends; it
## survives @code{clear functions} and @code{clear all}.
##
## @example
## old = widereal_precision (16);   # 1024 bits from now on
## x = widereal ("1/3");            # precision (x) is 16
## widereal_precision (old);
## @end example
## @seealso{widereal, precision}
## @end deftypefn
function out = widereal_precision (p)
  persistent current = 4;
  out = current;
  if (nargin == 1)
    mlock ();                      # keeps the setting through clear functions
    if (! (isnumeric (p) && isreal (p) && isscalar (p) && p == fix (p)
           && p >= 1 && p <= 1022))
      error ("widefp:range",
             "widereal_precision: P must be an integer from 1 to 1022");
    endif
    current = double (p);
  endif
endfunction

%!test
%! old = widereal_precision (7);
%! unwind_protect
%!   clear functions
%!   assert (widereal_precision (), 7);
%!   assert (precision (widereal (1)), 7);
%! unwind_protect_cleanup
%!   widereal_precision (old);
%! end_unwind_protect
%!error <integer from 1 to 1022> widereal_precision (0)
%!error <integer from 1 to 1022> widereal_precision (2.5)
