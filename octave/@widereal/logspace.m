## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} logspace (@var{a}, @var{b})
## @deftypefnx {} {@var{y} =} logspace (@var{a}, @var{b}, @var{n})
## A row of @var{n} (50 by default) points from 10^@var{a} to 10^@var{b},
## equally spaced on a logarithmic scale, where @var{a} or @var{b} is a
## widereal: @code{10 .^ linspace (a, b, n)}, of the largest precision among
## the widereal arguments.  (Octave's special meaning of a limit equal to
## pi is not taken over: a widereal @var{b} is always an exponent.)
##
## Rounding: the exponents are those of @code{linspace}, each correctly
## rounded once, and each power is correctly rounded in the mode of
## @code{widereal_rounding}; the rounding of an exponent y moves the point
## by a relative amount of at most about 2.31*|y| units in its last place,
## so a point is within (2.31*|y| + 2) * 2^(-64p) of 10^y, relative.
## Integer exponents (the endpoints among them) give exact powers where
## they are representable.
##
## @example
## y = logspace (widereal (0), 3, 4)   # [1 10 100 1000], exact
## @end example
## @seealso{linspace, power}
## @end deftypefn
function y = logspace (a, b, n)
  wr_realonly ("logspace", a, b);
  if (nargin < 2)
    print_usage ();
  elseif (nargin < 3)
    n = 50;
  endif
  y = 10 .^ linspace (a, b, n);
endfunction

%!test
%! y = logspace (widereal (0, 2), 3, 4);
%! assert ([precision(y), size(y)], [2 1 4]);
%! assert (double (y), [1 10 100 1000]);
%! assert (size (logspace (widereal (1), 2)), [1 50]);
%! ## 10^(1/2) at p = 2 (mpmath, 60 digits); exact exponent 1/2 here
%! y = logspace (widereal (0, 2), 1, 3);
%! assert (abs (double ((y(2) - widereal ("3.16227766016837933199889354443271853371955513932521682685750", 2)) / y(2))) < 2^-126);
%! assert (double (logspace (widereal ([0; 1]), 2, 3)), [1 10 100; 10 10^1.5 100], -4e-16);
