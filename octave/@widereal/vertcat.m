## -*- texinfo -*-
## @deftypefn {} {@var{y} =} vertcat (@var{a}, @var{b}, @dots{})
## @code{[a; b; ...]} for widereal arrays (and numbers taken exactly);
## see @code{cat}.
##
## @example
## y = [widereal(1); 2; 3]   # 3x1
## @end example
## @end deftypefn
function y = vertcat (varargin)
  y = cat (1, varargin{:});
endfunction
