## -*- texinfo -*-
## @deftypefn  {} {} area (@dots{})
## @deftypefnx {} {@var{h} =} area (@dots{})
## Octave's @code{area} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{area}.
##
## @example
## x = widereal (0:10) / 10;
## area (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = area (varargin)
  wr_realonly ("area", varargin{:});
  [varargout{1:nargout}] = builtin ("area", wr_plotargs (varargin){:});
endfunction
