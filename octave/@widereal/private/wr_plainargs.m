## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_plainargs (@var{c})
## The cell array @var{c} of arguments with every widereal among them
## converted to double: the dimensions, counts and shifts the class's
## rearranging methods pass on to Octave's own functions.
##
## @example
## args = wr_plainargs (varargin);
## @end example
## @end deftypefn
function c = wr_plainargs (c)
  for k = 1:numel (c)
    if (isobject (c{k}) && isobject (c{k}))
      c{k} = double (c{k});
    endif
  endfor
endfunction
