## -*- texinfo -*-
## @deftypefn {} {@var{y} =} horzcat (@var{a}, @var{b}, @dots{})
## @code{[a, b, ...]} for widereal arrays (and numbers taken exactly);
## see @code{cat}.
##
## @example
## y = [widereal(1), 2, 3]   # 1x3
## @end example
## @end deftypefn
function y = horzcat (varargin)
  y = cat (2, varargin{:});
endfunction
