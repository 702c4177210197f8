## -*- texinfo -*-
## @deftypefn {} {@var{R} =} wr_mulfix (@var{R}, @var{x}, @var{y})
## Completes the products @var{R} = @var{x} .* @var{y} (words, one column per
## element) that wr_prod formed: 0 * Inf raises @code{widefp:domain} (the
## library gives Inf), and zero and infinite results get their fraction
## words cleared (the library writes word 0 only for those).
##
## @example
## R = wr_mulfix (R, x, y);
## @end example
## @end deftypefn
function R = wr_mulfix (R, x, y)
  E = 0x7fffffffffffffffu64;
  e = bitand (R(1, :), E);
  inf = e == E;
  if (any (inf))
    ex = bitand (x(1, inf), E);
    ey = bitand (y(1, inf), E);
    if (any ((ex == 0 & ey == E) | (ex == E & ey == 0)))
      error ("widefp:domain", "widereal: 0 * Inf has no value");
    endif
  endif
  t = inf | e == 0;
  if (any (t))
    R(2:end, t) = 0;
  endif
endfunction
