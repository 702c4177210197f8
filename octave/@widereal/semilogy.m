## -*- texinfo -*-
## @deftypefn  {} {} semilogy (@dots{})
## @deftypefnx {} {@var{h} =} semilogy (@dots{})
## Octave's @code{semilogy} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{semilogy}.
##
## @example
## x = widereal (0:10) / 10;
## semilogy (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = semilogy (varargin)
  wr_realonly ("semilogy", varargin{:});
  [varargout{1:nargout}] = builtin ("semilogy", wr_plotargs (varargin){:});
endfunction
