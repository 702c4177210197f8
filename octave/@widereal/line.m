## -*- texinfo -*-
## @deftypefn  {} {} line (@dots{})
## @deftypefnx {} {@var{h} =} line (@dots{})
## Octave's @code{line} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{line}.
##
## @example
## x = widereal (0:10) / 10;
## line (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = line (varargin)
  wr_realonly ("line", varargin{:});
  [varargout{1:nargout}] = builtin ("line", wr_plotargs (varargin){:});
endfunction
