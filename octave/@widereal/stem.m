## -*- texinfo -*-
## @deftypefn  {} {} stem (@dots{})
## @deftypefnx {} {@var{h} =} stem (@dots{})
## Octave's @code{stem} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{stem}.
##
## @example
## x = widereal (0:10) / 10;
## stem (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = stem (varargin)
  wr_realonly ("stem", varargin{:});
  [varargout{1:nargout}] = builtin ("stem", wr_plotargs (varargin){:});
endfunction
