## -*- texinfo -*-
## @deftypefn {} {@var{r} =} realpow (@var{x}, @var{y})
## Element-wise power @code{x .^ y} with an error (@code{widefp:domain},
## "realpow: produced complex result", as Octave's @code{realpow}) where a
## negative base meets a non-integer exponent; operands, precision and
## broadcasting as for @code{power}.
##
## Rounding: as @code{power}: every value correctly rounded to p words in
## the mode of @code{widereal_rounding}; exact powers are exact.
##
## @example
## realpow (widereal (3, 4), 2.5)   # 15.588457268119895641747017073552851...
## @end example
## @seealso{power, realsqrt, reallog}
## @end deftypefn
function r = realpow (x, y)
  wr_realonly ("realpow", x, y);
  try
    r = power (x, y);
    if (iscomplex (r))                      # x < 0 to a non-integer power
      error ("widefp:domain", "realpow: produced complex result");
    endif
  catch err
    if (strcmp (err.identifier, "widefp:domain"))
      error ("widefp:domain", "realpow: produced complex result");
    endif
    rethrow (err);
  end_try_catch
endfunction

%!test
%! r = realpow (widereal ([3 -2], 4), [2.5 3]);
%! assert (r(1) == widereal ("15.588457268119895641747017073552851302485247284293425652502262815067397152179200333730315680815237181080635273", 4));
%! assert (double (r(2)), -8);
%!error <realpow: produced complex result> realpow (widereal (-2), 0.5)
