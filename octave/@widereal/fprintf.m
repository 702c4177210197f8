## -*- texinfo -*-
## @deftypefn  {} {} fprintf (@var{fid}, @var{template}, @dots{})
## @deftypefnx {} {} fprintf (@var{template}, @dots{})
## @deftypefnx {} {@var{nbytes} =} fprintf (@dots{})
## Writes formatted text to the file @var{fid} (1, standard output, when
## it is left out) as @code{sprintf} formats it: widereal elements with
## their own decimal digits, correctly rounded to nearest.  Returns the
## number of bytes written when asked.
##
## A complex widereal gives two arguments per element, its real and
## imaginary parts.
##
## @example
## fprintf ("%.25f\n", widereal ("#pi"))   # 3.1415926535897932384626434
## @end example
## @seealso{sprintf, disp}
## @end deftypefn
function nbytes = fprintf (varargin)
  if (nargin < 1)
    print_usage ();
  endif
  fid = 1;
  if (isnumeric (varargin{1}) && ! isobject (varargin{1}) && isscalar (varargin{1}))
    fid = varargin{1};
    varargin(1) = [];
    if (isempty (varargin))
      error ("widefp:nargin", "fprintf: a TEMPLATE must follow FID");
    endif
  endif
  s = wr_printf ("fprintf", varargin{1}, varargin(2:end));
  n = builtin ("fprintf", fid, "%s", s);
  if (nargout > 0)
    nbytes = n;
  endif
endfunction

%!test
%! assert (evalc ("fprintf ('%.25f\\n', widereal ('#pi'))"), "3.1415926535897932384626434\n");
%! assert (evalc ("fprintf (1, '%d|', widereal ([7 8]))"), "7|8|");
%! f = tempname ();
%! unwind_protect
%!   fid = fopen (f, "w");
%!   n = fprintf (fid, "%.3e\n", widereal ("-1/7"));
%!   fclose (fid);
%!   assert (n, 11);
%!   assert (fileread (f), "-1.429e-01\n");
%! unwind_protect_cleanup
%!   unlink (f);
%! end_unwind_protect
%!error <TEMPLATE must be a string> fprintf (widereal (1))
%!error <TEMPLATE must be a string> fprintf (1, widereal (1))
