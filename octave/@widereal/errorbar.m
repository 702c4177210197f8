## -*- texinfo -*-
## @deftypefn  {} {} errorbar (@dots{})
## @deftypefnx {} {@var{h} =} errorbar (@dots{})
## Octave's @code{errorbar} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{errorbar}.
##
## @example
## x = widereal (0:10) / 10;
## errorbar (x, x .^ 2, x / 10);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = errorbar (varargin)
  wr_realonly ("errorbar", varargin{:});
  [varargout{1:nargout}] = builtin ("errorbar", wr_plotargs (varargin){:});
endfunction
