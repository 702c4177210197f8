## -*- texinfo -*-
## @deftypefn  {} {} loglog (@dots{})
## @deftypefnx {} {@var{h} =} loglog (@dots{})
## Octave's @code{loglog} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{loglog}.
##
## @example
## x = widereal (0:10) / 10;
## loglog (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = loglog (varargin)
  wr_realonly ("loglog", varargin{:});
  [varargout{1:nargout}] = builtin ("loglog", wr_plotargs (varargin){:});
endfunction
