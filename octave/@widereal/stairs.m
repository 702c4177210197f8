## -*- texinfo -*-
## @deftypefn  {} {} stairs (@dots{})
## @deftypefnx {} {@var{h} =} stairs (@dots{})
## Octave's @code{stairs} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{stairs}.
##
## @example
## x = widereal (0:10) / 10;
## stairs (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = stairs (varargin)
  wr_realonly ("stairs", varargin{:});
  [varargout{1:nargout}] = builtin ("stairs", wr_plotargs (varargin){:});
endfunction
