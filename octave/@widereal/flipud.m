## -*- texinfo -*-
## @deftypefn {} {@var{y} =} flipud (@var{x})
## The widereal array @var{x} with its rows in reverse order, as for numeric
## arrays.
##
## @example
## flipud (widereal ([1; 2; 3]))   # [3; 2; 1]
## @end example
## @seealso{flip, fliplr, rot90}
## @end deftypefn
function y = flipud (x, varargin)
  if (! isobject (x))                # only an argument after x is one
    y = flipud (x, wr_plainargs (varargin){:});
    return;
  endif
  j = reshape (1:prod (x.sz), x.sz);
  y = wr_index (x, flipud (j, wr_plainargs (varargin){:}));
endfunction

%!assert (double (flipud (widereal ([1 2; 3 4]))), [3 4; 1 2])
