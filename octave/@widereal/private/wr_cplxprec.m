## -*- texinfo -*-
## @deftypefn {} {[@var{v}, @var{c}] =} wr_cplxprec (@var{v}, @var{p})
## The operand @var{v} (a widereal or a number, real or complex) as a
## widereal of precision @var{p} (at least its own; extended exactly), and
## whether it is complex, for the complex linear algebra of mldivide and
## inv.  A complex double becomes a complex widereal part by part.
##
## @example
## [v, c] = wr_cplxprec (1 + 2i, 3);   # c = true
## @end example
## @end deftypefn
function [v, c] = wr_cplxprec (v, p)
  if (! isobject (v))
    if (! (isnumeric (v) || islogical (v)))
      error ("widefp:type", "widereal: cannot combine a widereal with a %s", class (v));
    endif
    c = iscomplex (v);
    if (c)
      v = complex (widereal (real (v), p), widereal (imag (v), p));
    else
      v = widereal (v, p);
    endif
    return;
  endif
  c = rows (v.w) > v.p + 1;
  if (v.p < p)
    if (c)
      v = complex (widereal (real (v), p), widereal (imag (v), p));
    else
      v = widereal (v, p);
    endif
  endif
endfunction
