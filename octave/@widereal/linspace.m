## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} linspace (@var{a}, @var{b})
## @deftypefnx {} {@var{y} =} linspace (@var{a}, @var{b}, @var{n})
## A row of @var{n} (100 by default) equally spaced points from @var{a} to
## @var{b}, where @var{a} or @var{b} is a widereal (the other a double,
## integer or logical, taken exactly).  The result has the largest precision
## among the widereal arguments.  Column vectors @var{a} and @var{b} (or one
## of them a scalar) give one such row per element, as for numbers.
##
## Rounding: point k (k = 0 to n-1) is the exact value
## a + k*(b-a)/(n-1) correctly rounded once to p words in the mode of
## @code{widereal_rounding}, so the endpoints are @var{a} and @var{b}
## exactly and no error accumulates along the row.
##
## As for numbers, @var{n} is truncated to an integer, fewer than 1 gives an
## empty 1x0 result and @var{n} = 1 gives @var{b}.  Infinite endpoints
## raise @code{widefp:range}.
##
## Complex @var{a} or @var{b}: the real parts and the imaginary parts are
## spaced as above, each part of each point rounded once; the result is
## real when every imaginary part is zero, as in Octave.
##
## @example
## y = linspace (widereal (0), 1, 4)   # [0 1/3 2/3 1], each rounded once
## @end example
## @seealso{colon, logspace, widereal_rounding}
## @end deftypefn
function y = linspace (a, b, n)
  if (nargin < 2)
    print_usage ();
  elseif (nargin < 3)
    n = 100;
  endif
  if (isobject (n) && isobject (n))
    n = double (n);
    if (! (isobject (a) || isobject (b)))     # only N was a widereal
      y = linspace (a, b, n);
      return;
    endif
  endif
  if (! (isnumeric (n) && isreal (n) && isscalar (n)) || isnan (n))
    error ("widefp:type", "linspace: N must be a real scalar");
  endif
  n = max (fix (double (n)), 0);
  if (iscomplex (a) || iscomplex (b))        # complex: a row for each part
    y = wr_narrow (complex (linspace (real (a), real (b), n), linspace (imag (a), imag (b), n)));
    return;
  endif
  p = 0;
  if (isobject (a))
    p = a.p;
  endif
  if (isobject (b))
    p = max (p, b.p);
  endif
  A = points (a, p);
  B = points (b, p);
  na = columns (A);
  nb = columns (B);
  if (na != nb && na != 1 && nb != 1)
    error ("Octave:nonconformant-args",
           "linspace: vectors START and END must be the same length");
  endif
  r = max (na, nb);
  if (na == 0 || nb == 0)
    r = 0;
  endif
  if (n == 0 || r == 0)
    y = wr_new (zeros (p + 1, 0, "uint64"), p, [r 0]);
    return;
  endif
  if (n == 1)
    y = wr_new (B(:, min (1:r, nb)), p, [r 1]);
    return;
  endif
  if (! all (isfinite (wr_new ([A, B], p, [1, na + nb]))))
    error ("widefp:range", "linspace: the endpoints must be finite");
  endif
  if (n > 2^31)
    error ("widefp:range", "linspace: N must be below 2^31");
  endif

  ## Point (i, k) is (a_i (n-1-k) + b_i k) / (n-1): both products exact at
  ## q = p+1 words.  Where their sum is inexact at q it lies strictly
  ## between two neighbours there, and no rounding boundary at p, times
  ## n-1 (at most 64p+55 bits), lies strictly between them: the midpoint of
  ## the two rounds as the sum does.  The quotient of that exact numerator
  ## is then rounded once (wr_between).
  q = p + 1;
  [~, m] = widereal_rounding ();
  k = 0:n-1;
  ia = repmat (min (1:r, na).', 1, n);      # element (i, k), column-major
  ib = repmat (min (1:r, nb).', 1, n);
  kk = repmat (k, r, 1);
  Aq = wr_rnd ("prec", 0, q, A, p);
  Bq = wr_rnd ("prec", 0, q, B, p);
  x = wr_rnd ("mul", 0, q, Aq(:, ia(:)), n - 1 - kk(:).');
  z = wr_rnd ("mul", 0, q, Bq(:, ib(:)), kk(:).');
  [lo, t] = wr_rnd ("add", 3, q, x, z);
  hi = wr_rnd ("add", 2, q, x, z);
  e = wr_between (lo, hi, t, q, q + 1, 0);  # exact: q+1 words hold it
  [lo, t] = wr_rnd ("div", 3, q + 1, e, n - 1);
  hi = wr_rnd ("div", 2, q + 1, e, n - 1);
  y = wr_new (wr_between (lo, hi, t, q + 1, p, m), p, [r n]);
endfunction

## The words at precision p of the elements of a vector or scalar argument,
## one column each.
function w = points (v, p)
  if (! isobject (v))
    if (! ((isnumeric (v) || islogical (v)) && isreal (v)))
      error ("widefp:type", "linspace: cannot space a %s", class (v));
    endif
    v = widereal (v, p);
  elseif (v.p < p)
    v = widereal (v, p);                    # extension: exact
  endif
  if (! isvector (v) && ! isempty (v))
    error ("widefp:size", "linspace: START and END must be scalars or vectors");
  endif
  w = v.w;
endfunction

%!test
%! y = linspace (widereal (0, 2), 1, 4);
%! assert ([precision(y), size(y)], [2 1 4]);
%! assert (y(2) == widereal ("1/3", 2) && y(3) == widereal ("2/3", 2));
%! assert (y(1) == 0 && y(4) == 1);
%! assert (double (linspace (widereal (-1), 1, 5)), [-1 -0.5 0 0.5 1]);
%! assert (size (linspace (widereal (0), 1)), [1 100]);
%! assert (size (linspace (widereal (0), 1, 0)), [1 0]);
%! assert (double (linspace (widereal (0), 7, 1)), 7);
%! assert (double (linspace (widereal (0), 1, 2.9)), [0 1]);
%! assert (double (linspace (widereal ([0; 10]), [1; 20], 3)), [0 0.5 1; 10 15 20]);
%! assert (double (linspace (widereal (1), [2; 3], 3)), [1 1.5 2; 1 2 3]);
%!test
%! ## 3b/4 with b = 1 + 3*2^-64 is a midpoint at p = 1 (0.75 + 4.5 ulp):
%! ## to even, 0.75 + 4 ulp; a = 2^-300 adds a/4 and it rounds up, 5 ulp
%! b = 1 + 3 * widereal (2, 1) .^ -64;
%! assert (double (linspace (widereal (0, 1), b, 5)(4) - 0.75), 4 * 2^-65);
%! a = widereal (2, 1) .^ -300;
%! assert (double (linspace (a, b, 5)(4) - 0.75), 5 * 2^-65);
%! ## (4a + 3b)/7, a = 1/3 and b = a + 1 at p = 1 (exact rationals, rounded
%! ## to 65 bits, nearest)
%! a = widereal ("1/3", 1);
%! y = linspace (a, a + 1, 8);
%! assert (y(4) == widereal ("0.76190476190476190475157902692870948158088140189647674560546875", 1));
%!assert (linspace (0, 1, widereal (3)), [0 0.5 1])
%!error id=widefp:range linspace (widereal (0), Inf, 3)
%!error id=Octave:nonconformant-args linspace (widereal ([1; 2]), [1; 2; 3])
%!error id=widefp:type linspace (widereal (0), {1}, 3)
%!test # complex endpoints: each part spaced and rounded once (1/3 by mpmath)
%! y = linspace (widereal (1i, 2), 2, 4);
%! assert (iscomplex (y) && isequal (size (y), [1 4]));
%! assert (double (real (y)) == [0, 2/3, 4/3, 2] | abs (double (real (y)) - [0, 2/3, 4/3, 2]) < 1e-37);
%! assert (double (abs (imag (y(2)) - widereal ("0.6666666666666666666666666666666666666666666", 2))) < 2^-128);
%! assert (isreal (linspace (complex (widereal (1), 0), 2, 3)));
