## -*- texinfo -*-
## @deftypefn  {} {} barh (@dots{})
## @deftypefnx {} {@var{h} =} barh (@dots{})
## Octave's @code{barh} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{barh}.
##
## @example
## x = widereal (0:10) / 10;
## barh (x);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = barh (varargin)
  wr_realonly ("barh", varargin{:});
  [varargout{1:nargout}] = builtin ("barh", wr_plotargs (varargin){:});
endfunction
