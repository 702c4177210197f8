## -*- texinfo -*-
## @deftypefn {} {@var{p} =} wr_maxprec (@var{a}, @var{b}, @dots{})
## The largest precision among the widereal arguments (0 when none is one):
## the precision at which the operands of a mixed operation meet.
##
## @example
## p = wr_maxprec (widereal (1, 3), 2, widereal (1, 5));   # 5
## @end example
## @end deftypefn
function p = wr_maxprec (varargin)
  p = 0;
  for k = 1:numel (varargin)
    if (isobject (varargin{k}))
      p = max (p, varargin{k}.p);
    endif
  endfor
endfunction
