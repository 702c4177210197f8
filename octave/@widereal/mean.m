## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} mean (@var{x})
## @deftypefnx {} {@var{y} =} mean (@var{x}, @var{dim})
## @deftypefnx {} {@var{y} =} mean (@var{x}, @qcode{"all"})
## @deftypefnx {} {@var{y} =} mean (@dots{}, @var{outtype})
## Arithmetic mean of the widereal array @var{x} along its first
## non-singleton dimension, along @var{dim} (a dimension or a vector of
## distinct dimensions), or of all its elements.  The option
## @qcode{"a"} (arithmetic) is accepted; @var{outtype}
## @qcode{"default"} or @qcode{"native"} gives a widereal, @qcode{"double"}
## a double array.  The mean of an empty set has no value (widereals have
## no NaN): @code{widefp:domain}; so has one holding Inf and -Inf.
##
## Rounding: one call of the gateway wr_stats: each sum is accumulated at
## q = p+2 words (at most 1023), each step truncated, divided by the count
## (rounded to odd at q) and rounded once to p words in the mode of
## @code{widereal_rounding}.  The mean of n terms x_i is the exact mean
## correctly rounded unless that lies within (n-1) 2^(-64q) sum |x_i| / n
## of a rounding boundary.  When the terms have one sign that distance is
## below (n-1) 2^-127 units of the last place, so the result is within
## half a unit (to nearest) or one unit (other modes) plus that of the
## exact mean: within 1 ulp in every case.  With cancellation the bound
## above, relative to sum |x_i| / n, holds.  All inside the exponent range
## (a sum beyond it saturates).
##
## A complex array: the mean of each part.
##
## @example
## mean (widereal ([1 2 2]))           # 5/3, correctly rounded
## mean (widereal ([1 2; 3 5]), 2)     # [1.5; 4]
## @end example
## @seealso{sum, median, var, std, widereal_rounding}
## @end deftypefn
function y = mean (x, varargin)
  if (! isobject (x))
    error ("widefp:type", "mean: X must be the widereal array");
  endif
  dim = [];
  as_double = false;
  for k = 1:numel (varargin)
    a = varargin{k};
    if (! ischar (a))
      dim = a;
    else
      switch (lower (a))
        case "a"
        case {"default", "native"}
          as_double = false;
        case "double"
          as_double = true;
        case "all"
          dim = "all";
        case {"g", "h"}
          error ("widefp:value", "mean: only the arithmetic mean (\"a\") is provided for widereal");
        otherwise
          error ("widefp:value", "mean: option \"%s\" is not recognized", a);
      endswitch
    endif
  endfor
  if (rows (x.w) > x.p + 1)                 # complex: each part
    y = complex (mean (real (x), varargin{:}), mean (imag (x), varargin{:}));
    if (isobject (y))
      y = wr_narrow (y);
    elseif (all (imag (y(:)) == 0))
      y = real (y);
    endif
    return;
  endif
  [G, osz, len] = wr_groups (x, dim, true);
  [~, m] = widereal_rounding ();
  y = wr_new (wr_stats ("mean", m, x.p, G, len, prod (osz)), x.p, osz);
  if (as_double)
    y = double (y);
  endif
endfunction

%!test
%! ## exact rationals as references: the text reader rounds them correctly
%! x = widereal ([1 2 2; 3 5 7], 3);
%! assert (mean (x) == widereal ({"2", "7/2", "9/2"}, 3));
%! assert (mean (x, 2) == widereal ({"5/3"; "5"}, 3));
%! assert (mean (x, "all") == widereal ("10/3", 3));
%! assert (mean (x, [2 1]) == widereal ("10/3", 3));
%! assert (mean (x, 3) == x);
%! assert (mean (x(:)', "double"), 10/3);
%! assert (size (mean (widereal (zeros (3, 0)))), [1 0]);
%! assert (mean (widereal ([2^-200 -0 0 2^-200], 2)) == widereal (2^-201, 2));
%! assert (double (1 ./ mean (widereal ([-0 -0]))), -Inf);   # -0 stays -0
%! assert (double (1 ./ mean (widereal ([-1 1]))), Inf);
%!test
%! ## the mean of 1/3, 1/5, 1/7 (each rounded to p = 2) against the mean of
%! ## those values (129-bit) computed by mpmath at 2000 bits, in every mode
%! p = 2;
%! x = widereal ({"1/3", "1/5", "1/7"}, p);
%! ref = "0.225396825396825396825396825396825396825416650202345217150432012421758708508455275113556672110977826169649536799018581708272298177083333333333333333333";
%! for mode = {"nearest", "zero", "up", "down"}
%!   old = widereal_rounding (mode{1});
%!   unwind_protect
%!     assert (mean (x) == widereal (ref, p));
%!   unwind_protect_cleanup
%!     widereal_rounding (old);
%!   end_unwind_protect
%! endfor
%!error <empty set> mean (widereal ([]))
%!error <empty set> mean (widereal (zeros (0, 3)))
%!error <Inf - Inf> mean (widereal ([Inf -Inf]))
%!error <only the arithmetic> mean (widereal ([1 2]), "g")
%!error <not recognized> mean (widereal ([1 2]), "xyz")
%!error <DIM must be> mean (widereal ([1 2]), 0)
