## -*- texinfo -*-
## @deftypefn {} {@var{R} =} wr_sumfix (@var{R}, @var{G}, @var{len})
## Completes the sums @var{R} that wr_sum formed over groups of @var{len}
## consecutive columns of @var{G}: a group holding an infinity sums to it
## (the library adds infinities as finite numbers), a group holding both
## infinities raises @code{widefp:domain}, and zero or infinite results get
## their fraction words cleared.
##
## @example
## R = wr_sumfix (R, G, len);
## @end example
## @end deftypefn
function R = wr_sumfix (R, G, len)
  E = 0x7fffffffffffffffu64;
  w0 = G(1, :);
  inf = bitand (w0, E) == E;
  if (any (inf))
    pos = any (reshape (inf & w0 == E, len, []), 1);
    neg = any (reshape (inf & w0 != E, len, []), 1);
    if (any (pos & neg))
      error ("widefp:domain", "widereal: Inf - Inf has no value");
    endif
    R(1, pos) = E;
    R(1, neg) = 0xffffffffffffffffu64;
  endif
  R = wr_tidy (R);
endfunction
