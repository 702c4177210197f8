## -*- texinfo -*-
## @deftypefn {} {@var{s} =} sprintf (@var{template}, @dots{})
## Formatted text, as Octave's sprintf, when an argument is a widereal: its
## elements are written with their own decimal digits, correctly rounded to
## nearest, not through a double.  The template is used again while
## elements remain (all arguments' elements in column order).
##
## @itemize
## @item %f, %e, %E, %g, %G: flags (- + space 0 #), width and precision as
## for doubles; @code{%.60f} gives 60 exact decimals.
## @item %d, %i, %u: an integer with all its digits, however large; a
## non-integer switches to %g with the same flags, width and precision, as
## Octave does for doubles.
## @item %s: every digit the precision carries (trailing zeros dropped); a
## precision gives the number of significant digits.
## @item %x, %o, %X, %c: integers of up to 15 digits through the double, others
## as %d.
## @item Inf and -Inf print as such; -0 keeps its sign under %f, %e, %g.
## @end itemize
## Other arguments (doubles, integers, texts) print as Octave's sprintf
## prints them; * takes a width or precision from the arguments.
##
## A complex widereal gives two arguments per element, its real and
## imaginary parts.
##
## @example
## sprintf ("%.30f", widereal ("1/3"))     # "0.333333333333333333333333333333"
## sprintf ("%+-12.3e|", widereal (-2.5))  # "-2.500e+00  |"
## sprintf ("%d", widereal (2)^100)        # "1267650600228229401496703205376"
## @end example
## @seealso{fprintf, num2str, mat2str}
## @end deftypefn
function s = sprintf (template, varargin)
  if (nargin < 1)
    print_usage ();
  endif
  s = wr_printf ("sprintf", template, varargin);
endfunction

%!test
%! ## digits of the widereal itself (mpmath at 300 digits; 1/3 at 4 words)
%! x = widereal ("1/3");
%! assert (sprintf ("%.60f", x),
%!         "0.333333333333333333333333333333333333333333333333333333333333");
%! assert (sprintf ("%.40e", widereal ("2/3", 2)),
%!         "6.6666666666666666666666666666666666666618e-01");
%! assert (sprintf ("%d", widereal (2)^100), "1267650600228229401496703205376");
%! assert (sprintf ("%g|%G", widereal ("1e-5"), widereal ("1.5e300")), "1e-05|1.5E+300");
%!test
%! ## flags, width and precision as for doubles
%! for f = {"%+-12.3e|", "%012.4f|", "% g|", "%#.0f|", "%#.3g|", "%-8d|", "%+d|", "%05d|", "%.3d|", "%8.3f|"}
%!   for v = [-2.5 0.125 7 -0 1e10 Inf -Inf 3.75e-7]
%!     assert (sprintf (f{1}, widereal (v)), sprintf (f{1}, v), sprintf ("%s of %g", f{1}, v));
%!   endfor
%! endfor
%!test
%! ## non-integers under %d, recycling, mixed arguments
%! assert (sprintf ("%d", widereal ("1.5")), "1.5");
%! assert (sprintf ("%5.2d|", widereal ("#pi")), "  3.1|");
%! assert (sprintf ("%d %s|", 1, "ab", widereal (2), "cd"), "1 ab|2 cd|");
%! assert (sprintf ("%d,%d;", widereal ([1 2; 3 4])), "1,3;2,4;");
%! assert (sprintf ("x%dy%dz", widereal (1)), "x1y");
%! assert (sprintf ("%*.*f|", 8, 3, widereal ("1/8")), "   0.125|");
%! assert (sprintf ("%s", widereal ("0.1", 1)), "0.1");
%! assert (sprintf ("%.5s", widereal ("2/3")), "0.66667");
%! assert (sprintf ("%x|%c", widereal (255), widereal (65)), "ff|A");
%! assert (sprintf ("%d", widereal ([])), "");
%!error <invalid conversion> sprintf ("%y", widereal (1))
%!error id=widefp:type sprintf (widereal (1))
%!error id=widefp:type sprintf ("%d", widereal (1), {1})
