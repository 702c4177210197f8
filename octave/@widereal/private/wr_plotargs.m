## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_plotargs (@var{c})
## The cell array of arguments @var{c} with every widereal replaced by its
## double values (@code{double}, rounded to nearest); other arguments as
## they are.  For the plotting methods, which draw in double precision.
##
## @example
## args = wr_plotargs (@{widereal([1 2]), "r-"@});   # @{[1 2], "r-"@}
## @end example
## @end deftypefn
function c = wr_plotargs (c)
  for k = 1:numel (c)
    if (isobject (c{k}))
      c{k} = double (c{k});
    endif
  endfor
endfunction
