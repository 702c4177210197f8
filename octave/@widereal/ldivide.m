## -*- texinfo -*-
## @deftypefn {} {@var{r} =} ldivide (@var{a}, @var{b})
## Element-wise left division @code{@var{a} .\ @var{b}}, that is
## @code{@var{b} ./ @var{a}} (see @code{rdivide}).
##
## Rounding: each quotient is the exact quotient correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default).
##
## @example
## [2 4] .\ widereal (1)   # 0.5, 0.25
## @end example
## @seealso{rdivide}
## @end deftypefn
function r = ldivide (a, b)
  r = rdivide (b, a);
endfunction

%!assert (double ([2 4] .\ widereal (1)), [0.5 0.25])
