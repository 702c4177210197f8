## -*- texinfo -*-
## @deftypefn  {} {} semilogx (@dots{})
## @deftypefnx {} {@var{h} =} semilogx (@dots{})
## Octave's @code{semilogx} with every widereal argument converted to double
## (rounded to nearest): the picture is drawn in double precision.  Other
## arguments and the outputs are those of Octave's @code{semilogx}.
##
## @example
## x = widereal (0:10) / 10;
## semilogx (x, x .^ 2);
## @end example
## @seealso{double}
## @end deftypefn
function varargout = semilogx (varargin)
  wr_realonly ("semilogx", varargin{:});
  [varargout{1:nargout}] = builtin ("semilogx", wr_plotargs (varargin){:});
endfunction
