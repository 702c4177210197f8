## -*- texinfo -*-
## @deftypefn  {} {} plot (@dots{})
## @deftypefnx {} {@var{h} =} plot (@dots{})
## Octave's @code{plot} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{plot}.
##
## @example
## x = widereal (0:10) / 10;
## plot (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = plot (varargin)
  wr_realonly ("plot", varargin{:});
  [varargout{1:nargout}] = builtin ("plot", wr_plotargs (varargin){:});
endfunction
