## -*- texinfo -*-
## @deftypefn {} {[@var{w}, @var{m}, @var{n}, @var{p}] =} wr_matrixwords (@var{a}, @var{fname})
## Words (one column per element, Octave's order), size and precision of
## the 2-D widereal matrix @var{a} for the linear algebra methods, at the
## working precision @var{q} = p+2 words (at most 1023), extended exactly by
## the gateway wr_rnd; the caller rounds its results back once with
## @code{wr_back}.  Infinite entries raise @code{widefp:domain}:
## the elimination would add them as if they were finite.  @var{fname}
## names the caller in messages.
##
## @example
## [w, m, n, q] = wr_matrixwords (A, "det");
## @end example
## @end deftypefn
function [w, m, n, q] = wr_matrixwords (a, fname)
  if (! isa (a, "widereal"))
    a = widereal (a);
  endif
  if (numel (a.sz) > 2)
    error ("Octave:invalid-input-arg", "%s: A must be a 2-D matrix", fname);
  endif
  m = a.sz(1);
  n = a.sz(2);
  q = min (a.p + 2, 1023);
  w = wr_rnd ("prec", 0, q, a.w, a.p);
  if (any (bitand (w(1, :), 0x7fffffffffffffffu64) == 0x7fffffffffffffffu64))
    error ("widefp:domain", "%s: the matrix has infinite entries", fname);
  endif
endfunction
