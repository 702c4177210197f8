## -*- texinfo -*-
## @deftypefn  {} {@var{s} =} num2str (@var{x})
## @deftypefnx {} {@var{s} =} num2str (@var{x}, @var{digits})
## @deftypefnx {} {@var{s} =} num2str (@var{x}, @var{fmt})
## Decimal text of the widereal array @var{x}, one text row per matrix
## row, columns aligned.  Each element is written like %g with
## @var{digits} significant digits, by default all that its precision
## carries (78 for 4 words): integers come out whole and exact, other
## numbers in fixed or scientific notation, trailing zeros dropped.
## The conversion is exact up to the last digit shown (rounded to nearest).
## With a printf template @var{fmt}, each row of @var{x} is written by
## @code{sprintf} (the template repeated over the columns when it holds one
## conversion), with the widereal's own digits, and the rows are
## trimmed of blanks at both ends, as Octave's num2str does for doubles.
##
## Complex elements read "1.5+2i" (not with a template FMT).
##
## @example
## num2str (widereal (intmax ("uint64")))   # "18446744073709551615"
## num2str (widereal ("1/3"), 5)            # "0.33333"
## num2str (widereal ("1/3"), "%10.25f")    # "0.3333333333333333333333333"
## @end example
## @end deftypefn
function s = num2str (x, digits)
  if (nargin > 1 && ischar (digits))
    s = with_template (x, digits);
    return;
  elseif (nargin < 2)
    digits = wr_alldigits (x.p);
  elseif (! (isscalar (digits) && digits == fix (digits) && digits >= 1))
    error ("widefp:value", "num2str: DIGITS must be a positive integer");
  endif
  if (numel (x.sz) > 2)
    error ("widefp:size", "num2str: X must be 2-D");
  endif
  if (rows (x.w) > x.p + 1)
    t = wr_cxtext (x, digits, false);        # "1.5+2i"
  else
    t = wr_gtext (x.w, x.p, digits);
  endif
  if (isempty (t))
    s = "";
    return;
  endif
  t = reshape (t, x.sz);
  width = max (cellfun (@numel, t(:)));
  s = "";
  for i = 1:rows (t)
    s = [s; sprintf("  %*s", [num2cell(width * ones(1, columns (t))); t(i, :)]{:})];
  endfor
  s = strtrim (s);                          # blank columns common to all rows
endfunction

## Octave's num2str (x, fmt) for a widereal: rows through sprintf.
function s = with_template (x, fmt)
  wr_realonly ("num2str (X, FMT)", x);
  if (numel (x.sz) > 2)
    error ("widefp:size", "num2str: X must be 2-D");
  endif
  if (any (x.sz == 0))
    s = "";
    return;
  endif
  fmt = do_string_escapes (fmt);
  if (! (sum (strrep (fmt, "%%", "") == "%") > 1 || any (strcmp (fmt, {"%s", "%c"}))))
    fmt = [deblank(repmat (fmt, 1, x.sz(2))), "\n"];
  endif
  s = strtrim (char (ostrsplit (sprintf (fmt, x.'), "\n", true)));
endfunction

%!test
%! assert (num2str (widereal ("1/3"), 5), "0.33333");
%! assert (regexp (num2str (widereal ("-2/3", 2)), "^-0\\.6{38}[67]$"), 1);  # 39 digits
%! assert (num2str (widereal ("1e100")), "1e+100");
%! assert (num2str (widereal ([1 -0; -Inf 123456])), ["   1      -0"; "-Inf  123456"]);
%! assert (num2str (widereal ("1.5e-7"), 3), "1.5e-7");
%! assert (num2str (widereal ("123.456")), "123.456");
%! assert (num2str (widereal ({"0.999999", "9.9996"}), 4), "1  10");  # carries
%! assert (num2str (widereal (pi), "%8.4f"), "3.1416");
%! assert (num2str (widereal ("1/3"), "%10.25f"), "0.3333333333333333333333333");
%! assert (num2str (widereal ([1 2; 3 4]) / 3, "%25.20f"),
%!         ["0.33333333333333333333   0.66666666666666666667";
%!          "1.00000000000000000000   1.33333333333333333333"]);
%! assert (num2str (widereal (1, 1023) / 3, 5), "0.33333");   # decimals from 1022 words
