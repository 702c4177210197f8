## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} polyfit (@var{x}, @var{y}, @var{n})
## @deftypefnx {} {[@var{c}, @var{S}] =} polyfit (@var{x}, @var{y}, @var{n})
## @deftypefnx {} {[@var{c}, @var{S}, @var{mu}] =} polyfit (@var{x}, @var{y}, @var{n})
## Least-squares fit of a polynomial of degree @var{n} to the points
## (@var{x}, @var{y}) in widereal arithmetic: @var{c} is the row of the
## n+1 coefficients, highest power first, that minimises
## @code{norm (polyval (c, x) - y)}.  @var{x} and @var{y} are vectors of the
## same number of points, widereal or double (at least one widereal); the
## precision is the larger of theirs.  The fit solves the Vandermonde
## system @code{V = x(:) .^ (n:-1:0)} by Householder QR (@code{V \ y(:)},
## see @code{mldivide}).  With @var{n} at or above the number of points
## Octave's warning is given and only the lowest powers are fitted (the
## others' coefficients are 0).
##
## @var{S}, as Octave's @code{polyfit} gives it: @code{yf} the fitted values
## (shaped as @var{y}), @code{X} the Vandermonde matrix, @code{R} the
## triangular factor of its QR factorisation, @code{C} the unscaled
## covariance matrix @code{inv (R' * R)} (double NaN when R is singular),
## @code{df} the degrees of freedom (double) and @code{normr} the norm of
## the residuals.  With @var{mu}, x is first centred and scaled,
## @code{(x - mu(1)) / mu(2)} with @var{mu} = [mean, standard deviation]
## of @var{x}.
##
## Rounding: the coefficients are not correctly rounded.  The powers of x
## are correctly rounded (exact for integer x of few digits); the QR
## solution of the system is computed at p+2 words (backward stable) and
## each coefficient rounded once to p words in the mode of
## @code{widereal_rounding}, so its relative error is about
## n 2^(-64(p+2)) times the condition number of V plus one rounding.
##
## @example
## x = widereal (0:4);
## c = polyfit (x, 2*x.^2 - 3*x + 1, 2)   # [2 -3 1]
## @end example
## @seealso{mldivide, qr}
## @end deftypefn
function [c, S, mu] = polyfit (x, y, n)
  wr_realonly ("polyfit", x, y);
  if (nargin != 3)
    print_usage ();
  endif
  if (! (isnumeric (n) && isreal (n) && isscalar (n) && n >= 0 && n == fix (n) && ! isinf (n)))
    error ("Octave:invalid-input-arg", "polyfit: N must be a non-negative integer (masks are not supported)");
  endif
  n = double (n);
  p = 0;
  if (isobject (x))
    p = x.p;
  endif
  if (isobject (y))
    p = max (p, y.p);
  endif
  rowy = numel (size (y)) == 2 && rows (y) == 1;
  x = widereal (x, p);
  y = widereal (y, p);
  nx = columns (x.w);
  if (nx != columns (y.w))
    error ("Octave:invalid-input-arg", "polyfit: X and Y must have the same number of points");
  endif
  x = wr_new (x.w, p, [nx 1]);
  y = wr_new (y.w, p, [nx 1]);
  if (nargout > 2)
    m = sum (x) ./ nx;
    s = sqrt (sum ((x - m) .^ 2) ./ (nx - 1));
    mu = [m, s];
    x = (x - m) ./ s;
  endif
  k = min (n + 1, nx);                       # coefficients fitted
  if (k < n + 1)
    warning ("polyfit: degree of polynomial N is >= number of data points; solution is not unique");
  endif
  V = x .^ (k-1:-1:0);
  f = V \ y;                                 # the coefficients fitted
  c = f.';
  if (k < n + 1)
    c = [widereal(zeros(1, n + 1 - k), p), c];
  endif
  if (nargout > 1)
    yf = V * f;
    S.yf = yf;
    if (rowy)
      S.yf = yf.';
    endif
    [~, R] = qr (V, 0);
    if (k < n + 1)
      S.X = [widereal(zeros(nx, n + 1 - k), p), V];
      S.R = [widereal(zeros(k, n + 1 - k), p), R];
    else
      S.X = V;
      S.R = R;
    endif
    if (any (diag (R) == 0))
      C = NaN (k, k);
    else
      Ri = inv (R);
      C = Ri * Ri.';
    endif
    if (k < n + 1)
      C = [zeros(k, n + 1 - k), C];
    endif
    S.C = C;
    S.df = max (0, nx - k);
    S.normr = norm (yf - y);
  endif
endfunction

%!test
%! ## exact fits of integer polynomials, x and y double or widereal
%! x = widereal (0:4);
%! assert (double (polyfit (x, 2*x.^2 - 3*x + 1, 2)), [2 -3 1], 1e-70);
%! c = polyfit (-3:3, widereal ((-3:3)'.^3 - 5), 3);
%! assert (size (c), [1 4]);
%! assert (double (c), [1 0 0 -5], 1e-70);
%! assert (precision (polyfit (widereal (1:3, 2), widereal (1:3, 6), 1)), 6);
%!test
%! ## the least-squares line through (0,1), (1,2), (2,4), (3,4): slope 1.1
%! ## and intercept 1.1 exactly; at 8 words against the digits of 1.1
%! c = polyfit (widereal (0:3, 8), [1 2 4 4], 1);
%! e = c - widereal ("1.1", 8);
%! assert (double (abs (e)) < 1e-150);
%!test
%! ## a quadratic fit of exp on 0, 0.1, ..., 1 (the points as texts), against
%! ## a 220-digit mpmath reference (the normal equations solved exactly)
%! x = widereal (arrayfun (@(k) sprintf ("%d/10", k), 0:10, "uniformoutput", false), 4);
%! c = polyfit (x, exp (x), 2);
%! r = widereal ({"0.84167303450611328288303650421942170812737768502428799646283182016576823398588237", ...
%!                "0.85647554078075154775902111226368506185723476261898573707863194772108800296431199", ...
%!                "1.0095653791799997614414172581373102125758841967634419096087431560904898122411381"}, 4);
%! assert (double (abs ((c - r) ./ r)) < 1e-70);
%!test
%! ## S and mu; a degree above the number of points warns and pads with zeros
%! [c, S, mu] = polyfit (widereal ([1 2 3]), widereal ([2 4 6]), 1);
%! assert (double (mu), [2 1], 1e-70);
%! assert (double (c), [2 4], 1e-70);
%! assert (double (S.normr), 0, 1e-70);
%! assert (S.df, 1);
%! assert (size (S.R), [2 2]);
%! assert (double (S.yf), [2 4 6], 1e-70);
%! warning ("off", "all", "local");
%! c = polyfit (widereal ([1 2]), [3 5], 3);
%! assert (double (c), [0 0 2 1], 1e-70);
%!error <same number of points> polyfit (widereal (1:3), 1:2, 1)
%!error <non-negative integer> polyfit (widereal (1:3), 1:3, -1)
%!error <non-negative integer> polyfit (widereal (1:3), 1:3, [true true])
