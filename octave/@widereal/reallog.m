## -*- texinfo -*-
## @deftypefn {} {@var{r} =} reallog (@var{x})
## Element-wise natural logarithm of the widereal array @var{x}, with an
## error (@code{widefp:domain}, "reallog: produced complex result", as
## Octave's @code{reallog}) for a negative element.
##
## Rounding: as @code{log}: every value correctly rounded to p words in the
## mode of @code{widereal_rounding}; reallog (+-0) = -Inf, reallog (1) = 0.
##
## @example
## reallog (widereal (3, 4))   # 1.0986122886681096913952452369225257...
## @end example
## @seealso{log, realsqrt, realpow}
## @end deftypefn
function r = reallog (x)
  wr_realonly ("reallog", x);
  r = x;
  try
    r.w = wr_rnd ("log", [], x.p, x.w);
  catch err
    if (strcmp (err.identifier, "widefp:domain"))
      error ("widefp:domain", "reallog: produced complex result");
    endif
    rethrow (err);
  end_try_catch
endfunction

%!test
%! r = reallog (widereal ([3 1 0], 4));
%! assert (r(1) == widereal ("1.0986122886681096913952452369225257046474905578227494517346943336374942932186089668736157548137320887879700291", 4));
%! assert (double (r(2:3)), [0 -Inf]);
%!error <reallog: produced complex result> reallog (widereal ([1 -1]))
