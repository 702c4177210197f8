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
## @var{n} is at most 65,511 in scientific and 65,535 in fixed notation
## (the plug-ins' 65,536-byte text may lower that); digits beyond the
## precision are the expansion of the binary value the decimal significand
## holds.  Bad arguments raise @qcode{"widefp:"} errors.
##
## Finite nonzero numbers go through @code{wr_todecimal} and
## @code{wr_sci_format} or @code{wr_fix_format}; zero (with its sign) and
## infinity (@qcode{"Inf"}, @qcode{"-Inf"}) are written here.
##
## @example
## p = 2;
## x = wr_zeros (1, p);
## wr_div (x, wr_fromdouble (2, p), wr_fromdouble (3, p), 1, p);
## wr_tostring (x, p, 30)                 # 6.66666666666666666666666666667e-1
## wr_tostring (x, p, 5, "f")             # 0.66667
## wr_tostring (wr_fromdouble (2.5, p), p, 10, "e", true)   # 2.5e+0
## @end example
## @end deftypefn
function s = wr_tostring (x, p, n, fmt = "e", trim = false)
  if (nargin < 3 || nargin > 5)
    error ("widefp:nargin", "wr_tostring: expected 3 to 5 arguments (x, p, n, fmt, trim)");
  endif
  p = wr_need_count (p, "wr_tostring: p", 1, 1022);
  if (! ischar (fmt) || ! any (strcmp (fmt, {"e", "E", "f"})))
    error ("widefp:type", "wr_tostring: fmt must be \"e\", \"E\" or \"f\"");
  endif
  if (! (islogical (trim) || isnumeric (trim)) || ! isscalar (trim))
    error ("widefp:type", "wr_tostring: trim must be a logical scalar");
  endif
  ## The digits after the point go into a 16-bit field of the control word.
  if (fmt == "f")
    d = wr_need_count (n, "wr_tostring: n", 0, 65535);
  else
    d = wr_need_count (n, "wr_tostring: n", 1, 65511) - 1;
  endif
  wr_need_words (x, p + 1, "wr_tostring: x");
  x = typecast (x(1:p+1)(:), "uint64");   # the words bit for bit, as the plug-ins read them
  negative = bitand (x(1), uint64 (9223372036854775808)) != 0;
  field = bitand (x(1), uint64 (9223372036854775807));
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
