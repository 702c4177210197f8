## -*- texinfo -*-
## @deftypefn {} {[@var{w}, @var{m}, @var{n}, @var{p}] =} wr_matrixwords (@var{a}, @var{fname})
## Words (one column per element, Octave's order, only to be read), size
## and precision of the 2-D widereal matrix @var{a} for the linear algebra
## methods, which hand them to the gateway wr_la; a double, logical or
## integer @var{a} is converted first.  @var{fname} names the caller in
## messages.
##
## @example
## [w, m, n, p] = wr_matrixwords (A, "det");
## @end example
## @end deftypefn
function [w, m, n, p] = wr_matrixwords (a, fname)
  if (! isobject (a))
    a = widereal (a);
  endif
  if (numel (a.sz) > 2)
    error ("Octave:invalid-input-arg", "%s: A must be a 2-D matrix", fname);
  endif
  w = a.w;
  m = a.sz(1);
  n = a.sz(2);
  p = a.p;
endfunction
