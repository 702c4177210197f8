## -*- texinfo -*-
## @deftypefn  {} {@var{v} =} var (@var{x})
## @deftypefnx {} {@var{v} =} var (@var{x}, @var{w})
## @deftypefnx {} {@var{v} =} var (@var{x}, @var{w}, @var{dim})
## @deftypefnx {} {@var{v} =} var (@var{x}, @var{w}, @qcode{"all"})
## Variance of the widereal array @var{x} along its first non-singleton
## dimension, along @var{dim} (a dimension or a vector of distinct
## dimensions), or of all its elements: the sum of the squared deviations
## from the mean divided by n-1 (@var{w} 0 or [], the default) or by n
## (@var{w} 1); a single element gives 0.  Weight vectors are not
## provided.  An empty set and infinite elements raise @code{widefp:domain}
## (widereals have no NaN).
##
## Rounding: one call of the gateway wr_stats: the mean and the squared
## deviations from it are accumulated at q = p+2 words (at most 1023),
## each step truncated, the quotient is rounded to odd at q and then once
## to p words in the mode of @code{widereal_rounding}.  With u = 2^(-64q)
## the value before that last rounding is within a relative (n+3) u of
## S / (n-1+w), where S, the sum of squares of the deviations from the
## computed mean, exceeds the exact one by n e^2, e the error of that mean
## (see @code{mean}).  So the result is within half a unit of the last
## place (to nearest) or one unit (other modes) plus 2^-96 units of the
## exact variance whenever the standard deviation is at least n 2^(-32p)
## times the largest magnitude; within 1 ulp.
##
## Complex @var{x}: the mean squared modulus of the deviations, which is
## the variance of the real parts plus that of the imaginary parts; each is
## computed as above and their sum is rounded once more, so the result is
## within 2 units of its last place (the same conditions).
##
## @example
## var (widereal ([1 2 4]))       # 7/3, within 1 ulp
## var (widereal ([1 2 4]), 1)    # 14/9
## @end example
## @seealso{std, mean, widereal_rounding}
## @end deftypefn
function v = var (x, varargin)
  if (isobject (x) && rows (x.w) > x.p + 1)  # complex: var (real) + var (imag)
    v = wr_spread ("var", real (x), varargin) + wr_spread ("var", imag (x), varargin);
    return;
  endif
  v = wr_spread ("var", x, varargin);
endfunction

%!test
%! ## exact rationals as references: the text reader rounds them correctly
%! x = widereal ([1 2 4; 3 5 9], 3);
%! assert (var (x(1, :)) == widereal ("7/3", 3));
%! assert (var (x(1, :), 1) == widereal ("14/9", 3));
%! assert (var (x) == [2 4.5 12.5]);
%! assert (var (x, 0, 2) == widereal ({"7/3"; "28/3"}, 3));
%! assert (var (x, [], "all") == 8);
%! assert (var (x, 1, [1 2]) == widereal ("20/3", 3));
%! assert (var (widereal (5)) == 0 && var (widereal (5), 1) == 0);
%! assert (var (x, 0, 3) == zeros (2, 3));
%! assert (size (var (widereal (zeros (3, 0)))), [1 0]);
%!test
%! ## 1/3, 1/5, 1/7 (129-bit): their variance computed by mpmath at 2000
%! ## bits, in every mode
%! p = 2;
%! x = widereal ({"1/3", "1/5", "1/7"}, p);
%! ref = "0.00955404383975812547241118669690098261522517034157884156031777673673804188677250785360174790727754933015740790105123333250882170338755270715893187971455";
%! for mode = {"nearest", "zero", "up", "down"}
%!   old = widereal_rounding (mode{1});
%!   unwind_protect
%!     assert (var (x) == widereal (ref, p));
%!   unwind_protect_cleanup
%!     widereal_rounding (old);
%!   end_unwind_protect
%! endfor
%!error <empty set> var (widereal ([]))
%!error <infinite> var (widereal ([1 Inf]))
%!error <weight vectors> var (widereal ([1 2 3]), [1 1 1])
%!error <0 or 1> var (widereal ([1 2 3]), 2)
%!error <DIM must be> var (widereal ([1 2 3]), 0, "rows")
%!test # complex: var (real) + var (imag), real; [1+2i, 3-1i, 2]: 1 + 7/3 = 10/3
%! v = var (widereal ([1+2i, 3-1i, 2], 2));
%! assert (isreal (v) && double (abs (v - widereal ("10/3", 2))) < 2^-124);
