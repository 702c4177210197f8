## -*- texinfo -*-
## @deftypefn  {} {} hist (@dots{})
## @deftypefnx {} {@var{h} =} hist (@dots{})
## Octave's @code{hist} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{hist}.
##
## @example
## x = widereal (0:10) / 10;
## hist (widereal (rand (1, 100)), 10);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = hist (varargin)
  wr_realonly ("hist", varargin{:});
  [varargout{1:nargout}] = builtin ("hist", wr_plotargs (varargin){:});
endfunction
