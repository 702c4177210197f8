## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_promoting (@var{name}, @var{x})
## The function @var{name} of the gateway wr_rnd on the widereal array
## @var{x}, whose results become complex (through wr_cxunary) where the
## real ones do not exist, as Octave's sqrt, log, asin, ... do: a complex
## @var{x} goes to the complex function at once, a real one to the real
## function first and, on its domain error, to the complex one.
##
## @example
## r = wr_promoting ("sqrt", x);   # sqrt (-2) is 1.4142...i
## @end example
## @end deftypefn
function r = wr_promoting (name, x)
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    r = wr_cxunary (name, x);
    return;
  endif
  r = x;
  try
    r.w = wr_rnd (name, [], p, w);
  catch err
    if (! strcmp (err.identifier, "widefp:domain"))
      rethrow (err);
    endif
    r = wr_cxunary (name, x);   # outside the real domain: complex, as Octave
  end_try_catch
endfunction
