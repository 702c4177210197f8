## -*- texinfo -*-
## @deftypefn  {} {} scatter (@dots{})
## @deftypefnx {} {@var{h} =} scatter (@dots{})
## Octave's @code{scatter} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{scatter}.
##
## @example
## x = widereal (0:10) / 10;
## scatter (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = scatter (varargin)
  wr_realonly ("scatter", varargin{:});
  [varargout{1:nargout}] = builtin ("scatter", wr_plotargs (varargin){:});
endfunction
