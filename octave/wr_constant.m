## -*- texinfo -*-
## @deftypefn  {} {@var{x} =} wr_constant (@var{name})
## @deftypefnx {} {@var{x} =} wr_constant (@var{name}, @var{p})
## The named constant @var{name} as a widereal of precision @var{p}
## (default @code{widereal_precision ()}, at most 1023 words), its words
## truncated from a stored table of 1023 words.  Names: @qcode{"pi"},
## @qcode{"e"} (also @qcode{"napier"}), @qcode{"ln2"}, @qcode{"ln10"},
## @qcode{"g"} (Euler's gamma), @qcode{"atan_h"} (arctan 1/2),
## @qcode{"atan_q"} (arctan 1/4), and the upper-case @qcode{"PI"},
## @qcode{"E"}, @qcode{"NAPIER"}, @qcode{"LN2"}, @qcode{"LN10"},
## @qcode{"G"}.
##
## The words are the table's, cut off (not rounded, and whatever
## @code{widereal_rounding} says); @code{widereal ("#pi", p)} gives the
## constant correctly rounded in the mode, for p up to 1022.
##
## @example
## x = wr_constant ("pi", 16);   # pi to 1025 bits
## num2str (x, 30)               # "3.14159265358979323846264338328"
## @end example
## @seealso{widereal}
## @end deftypefn
function x = wr_constant (name, p = widereal_precision ())
  if (nargin < 1 || ! ischar (name) || rows (name) > 1)
    print_usage ();
  endif
  if (! (isnumeric (p) && isscalar (p) && p == fix (p) && p >= 1 && p <= 1023))
    error ("widefp:range", "wr_constant: P must be an integer from 1 to 1023");
  endif
  x = widereal (wr_conv ("const", double (p), name), double (p), "words");
endfunction

%!test
%! x = wr_constant ("pi", 16);
%! assert (num2str (x, 30), "3.14159265358979323846264338328");
%! assert (precision (x), 16);
%! assert (double ([wr_constant("e", 1), wr_constant("LN2"), wr_constant("g")]),
%!         [e log(2) 0.5772156649015329]);
%! assert (wr_constant ("pi", 1023) > wr_constant ("pi", 1022));   # truncated
%!error <Unkown constant> wr_constant ("tau")
%!error <P must be> wr_constant ("pi", 1024)
