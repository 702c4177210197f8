## -*- texinfo -*-
## @deftypefn {} {@var{r} =} realsqrt (@var{x})
## Element-wise square root of the widereal array @var{x}, with an error
## (@code{widefp:domain}, "realsqrt: produced complex result", as Octave's
## @code{realsqrt}) for a negative element.
##
## Rounding: as @code{sqrt}: every root correctly rounded to p words in the
## mode of @code{widereal_rounding}; realsqrt (-0) = -0.
##
## @example
## realsqrt (widereal (3, 4))   # 1.7320508075688772935274463415058723...
## @end example
## @seealso{sqrt, reallog, realpow}
## @end deftypefn
function r = realsqrt (x)
  wr_realonly ("realsqrt", x);
  r = x;
  try
    r.w = wr_rnd ("sqrt", [], x.p, x.w);
  catch err
    if (strcmp (err.identifier, "widefp:domain"))
      error ("widefp:domain", "realsqrt: produced complex result");
    endif
    rethrow (err);
  end_try_catch
endfunction

%!test
%! r = realsqrt (widereal ([3 4 -0], 4));
%! assert (r(1) == widereal ("1.7320508075688772935274463415058723669428052538103806280558069794519330169088000370811461867572485756756261414", 4));
%! assert (double (r(2)), 2);
%! assert (1 / double (r(3)), -Inf);
%!error <realsqrt: produced complex result> realsqrt (widereal ([1 -1]))
