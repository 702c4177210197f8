## -*- texinfo -*-
## @deftypefn  {} {@var{s} =} mat2str (@var{x})
## @deftypefnx {} {@var{s} =} mat2str (@var{x}, @var{digits})
## The 2-D widereal array @var{x} as one line of text in Octave's matrix
## syntax, @qcode{"[a b;c d]"}, each element written like %g with
## @var{digits} significant digits (default: all its precision carries).
## Evaluating the text gives doubles; to read it back exactly, give the
## element texts to @code{widereal}.
##
## Complex elements read "1.5+2i".
##
## @example
## mat2str (widereal ([1 2; 3 4]) / 3, 4)   # "[0.3333 0.6667;1 1.333]"
## @end example
## @end deftypefn
function s = mat2str (x, digits)
  if (nargin < 2)
    digits = wr_alldigits (x.p);
  elseif (! (isnumeric (digits) && isscalar (digits) && digits == fix (digits)
             && digits >= 1 && digits <= 100000))
    error ("widefp:value", "mat2str: DIGITS must be an integer from 1 to 100000");
  endif
  if (numel (x.sz) > 2)
    error ("widefp:size", "mat2str: X must be 2-D");
  endif
  if (rows (x.w) > x.p + 1)
    t = wr_cxtext (x, digits, false);        # "1.5+2i"
  else
    t = reshape (wr_gtext (x.w, x.p, digits), x.sz);
  endif
  if (numel (t) == 1)
    s = t{1};
    return;
  endif
  r = cell (1, rows (t));
  for i = 1:rows (t)
    r{i} = strjoin (t(i, :), " ");
  endfor
  s = ["[" strjoin(r, ";") "]"];
endfunction

%!test
%! x = widereal ({"1/3", "-0"; "1e-300", "7"});
%! assert (mat2str (x, 4), "[0.3333 -0;1e-300 7]");
%! assert (mat2str (widereal (-Inf)), "-Inf");
%! assert (mat2str (widereal (zeros (0, 2))), "[]");
%! assert (char (widereal ("0.1", 1)), "0.1");
%! assert (mat2str (widereal ("2/3", 1), 25), "0.6666666666666666666576316");
%!error id=widefp:value mat2str (widereal (1), 0)
%!error id=widefp:value mat2str (widereal (1), "%d")
