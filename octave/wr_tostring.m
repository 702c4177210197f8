## -*- texinfo -*-
## @deftypefn  {} {@var{s} =} wr_tostring (@var{x}, @var{p}, @var{n})
## @deftypefnx {} {@var{s} =} wr_tostring (@var{x}, @var{p}, @var{n}, @var{fmt})
## @deftypefnx {} {@var{s} =} wr_tostring (@var{x}, @var{p}, @var{n}, @var{fmt}, @var{trim})
## Decimal text of the widereal @var{x} (its first p+1 words) of precision
## @var{p}.
##
## @var{fmt} is @qcode{"e"} (default) or @qcode{"E"} for scientific notation
## with @var{n} significant digits (1.2346e+5), or @qcode{"f"} for fixed
## notation with @var{n} digits after the point (123456.00).  With @var{trim}
## true, trailing zeros of the fraction and a bare point are removed.
##
## Finite nonzero numbers go through @code{wr_todecimal} and
## @code{wr_sci_format} or @code{wr_fix_format}; zero (with its sign) and
## infinity (@qcode{"Inf"}, @qcode{"-Inf"}) are written here.
## @end deftypefn
function s = wr_tostring (x, p, n, fmt = "e", trim = false)
  if (nargin < 3 || ! isscalar (p) || p != fix (p) || p < 1 || p > 1022
      || ! isscalar (n) || n != fix (n) || n < 0
      || ! any (strcmp (fmt, {"e", "E", "f"})))
    print_usage ();
  endif
  x = uint64 (x(1:p+1));
  x = x(:);
  negative = bitand (x(1), uint64 (9223372036854775808)) != 0;
  field = bitand (x(1), uint64 (9223372036854775807));
  if (fmt == "f")
    d = n;
  else
    if (n < 1)
      error ("wr_tostring: scientific notation needs at least one digit");
    endif
    d = n - 1;
  endif
  sgn = "";
  if (negative)
    sgn = "-";
  endif

  if (field == uint64 (9223372036854775807))
    s = [sgn "Inf"];
    return;
  elseif (field == 0)
    frac = "";
    if (d > 0 && ! trim)
      frac = ["." repmat("0", 1, d)];
    endif
    if (fmt == "f")
      s = [sgn "0" frac];
    else
      s = [sgn "0" frac fmt "+0"];
    endif
    return;
  endif

  digits = zeros (p + 2, 1, "uint64");
  e10 = zeros (1, 1, "int64");
  wr_todecimal (digits, e10, x, p);
  control = uint64 (p + 2) + bitshift (uint64 (d), 16);
  if (fmt == "E")
    control = bitset (control, 57);
  endif
  if (trim)
    control = bitset (control, 60);
  endif
  if (negative)
    control = bitset (control, 64);
  endif
  if (fmt == "f")
    s = wr_fix_format (control, digits, e10);
  else
    s = wr_sci_format (control, digits, e10);
  endif
endfunction
