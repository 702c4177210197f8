## -*- texinfo -*-
## @deftypefn {} {@var{R} =} wr_trig (@var{name}, @var{x})
## Words of sin or cos (@var{name}) of the widereal array @var{x}: zeros
## directly (sin keeps the zero's sign, cos gives 1), the rest through
## wr_elementary.  Infinities raise @code{widefp:domain}.
##
## @example
## R = wr_trig ("sin", x);
## @end example
## @end deftypefn
function R = wr_trig (name, x)
  [zero, inf] = wr_special (x.w);
  if (any (inf))
    error ("widefp:domain", "%s: an infinity has no %s", name, name);
  endif
  R = zeros (x.p + 1, columns (x.w), "uint64");
  if (strcmp (name, "sin"))
    R(1, zero) = x.w(1, zero);
  else
    R(1, zero) = 0x3fffffffffffffffu64;
  endif
  if (any (! zero))
    R(:, ! zero) = wr_elementary (name, x.w(:, ! zero), x.p);
  endif
endfunction
