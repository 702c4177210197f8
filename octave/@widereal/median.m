## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} median (@var{x})
## @deftypefnx {} {@var{y} =} median (@var{x}, @var{dim})
## @deftypefnx {} {@var{y} =} median (@var{x}, @qcode{"all"})
## Median of the widereal array @var{x} along its first non-singleton
## dimension, along @var{dim} (a dimension or a vector of distinct
## dimensions), or of all its elements: the middle element of the sorted
## values, or for an even count the mean of the two middle ones.  -0 and
## +0 are equal.  An empty @var{x} is an error, as in Octave; so are -Inf
## and Inf as the two middle values (widereals have no NaN).
##
## Rounding: the mean of the two middle values is correctly rounded in the
## mode of @code{widereal_rounding} (their halves are added and rounded
## once), unless one of them lies in the lowest binade of the exponent
## range; a middle element alone is returned as it is.  One call of the
## gateway wr_order does all.
##
## @example
## median (widereal ([3 1 2]))            # 2
## median (widereal ({"1/3", "1/2"}))     # 5/12 rounded once
## @end example
## @seealso{mean, mode, sort, widereal_rounding}
## @end deftypefn
function y = median (x, dim = [])
  wr_realonly ("median", x);
  if (! isobject (x))
    error ("widefp:type", "median: X must be the widereal array");
  endif
  if (isempty (x.w))
    error ("widefp:value", "median: X cannot be an empty matrix");
  endif
  [G, osz, len] = wr_groups (x, dim, true);
  [~, m] = widereal_rounding ();
  y = wr_new (wr_order ("median", G, x.p, len, prod (osz), m), x.p, osz);
endfunction

%!test
%! x = widereal ([3 1 2; -0 4 4; 0 -1 7], 2);
%! assert (median (x) == [0 1 4]);
%! assert (median (x, 2) == [2; 4; 0]);
%! assert (median (x, "all") == 2);
%! assert (median (x, [1 2]) == 2);
%! assert (median (widereal ([Inf 1 Inf -Inf])) == Inf);
%! assert (median (widereal ([5 -Inf 1 2])) == 1.5);
%! y = median (widereal (reshape (1:8, 2, 2, 2)), 3);
%! assert (y == [3 5; 4 6]);
%!test
%! ## an even count: the mean of 1/3 (129-bit) and 1/2, exactly as mpmath
%! ## gives it at 2000 bits (a binary fraction of 130 bits), rounded in
%! ## every mode as the reference text is read in that mode
%! p = 2;
%! x = widereal ({"1/2", "-7", "1/3", "9"}, p);
%! ref = "0.41666666666666666666666666666666666666654421933845601171791992327737268274189388900450290754984283836392933153547346591949462890625";
%! for mode = {"nearest", "zero", "up", "down"}
%!   old = widereal_rounding (mode{1});
%!   unwind_protect
%!     assert (median (x) == widereal (ref, p));
%!   unwind_protect_cleanup
%!     widereal_rounding (old);
%!   end_unwind_protect
%! endfor
%!error <empty matrix> median (widereal ([]))
%!error <-Inf and Inf> median (widereal ([-Inf Inf]))
%!error <DIM must be> median (widereal ([1 2]), 1.5)
