## -*- texinfo -*-
## @deftypefn  {} {} bar (@dots{})
## @deftypefnx {} {@var{h} =} bar (@dots{})
## Octave's @code{bar} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{bar}.
##
## @example
## x = widereal (0:10) / 10;
## bar (x);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = bar (varargin)
  wr_realonly ("bar", varargin{:});
  [varargout{1:nargout}] = builtin ("bar", wr_plotargs (varargin){:});
endfunction
