## -*- texinfo -*-
## @deftypefn  {} {@var{r} =} colon (@var{base}, @var{limit})
## @deftypefnx {} {@var{r} =} colon (@var{base}, @var{increment}, @var{limit})
## The ranges @code{base:limit} and @code{base:increment:limit} where any of
## the three is a widereal (the others doubles, integers or logicals, taken
## exactly): the row of the numbers @code{base + k*increment}, k = 0, 1,
## @dots{}, that do not pass @var{limit}.  The result has the largest
## precision among the widereal arguments.
##
## Rounding: each element is the exact value base + k*increment correctly
## rounded once to p words in the mode of @code{widereal_rounding} (no
## error accumulates along the range).
##
## The number of elements follows Octave's rule for ranges of doubles at
## the widereal's precision: floor ((limit - base) / increment) + 1,
## computed exactly, and one more when the next element would pass
## @var{limit} by no more than 3n units of the precision (n the count,
## the unit 2^(-64p)); that last element is then @var{limit} itself, as
## Octave makes it.  So with @code{s = widereal ("0.1")}, @code{0:s:1} has 11
## elements and ends at exactly 1 whichever way 1/10 was rounded; use
## @code{linspace} for a fixed number of points.
##
## As for numbers, an increment of zero, or one of the wrong sign, gives an
## empty 1x0 range, an empty argument gives an empty range and an array
## argument stands for its first element (with the warning
## @code{Octave:colon-nonscalar-argument}).  An infinite argument of a
## non-empty range raises @code{widefp:range}, as does a range of 2^31
## elements or more.
##
## Octave's @code{for} statement does not step through a widereal array
## (it raises "invalid type in for loop expression"): loop over the
## indices, @code{for k = 1:numel (r), t = r(k); @dots{}}.
##
## @example
## widereal (1):3                  # [1 2 3]
## r = 1:widereal ("1/3"):2        # [1 4/3 5/3 2], 4/3 and 5/3 rounded once
## widereal (5):-2:0               # [5 3 1]
## @end example
## @seealso{linspace, widereal_rounding}
## @end deftypefn
function r = colon (base, increment, limit)
  wr_realonly ("colon", base, increment);
  if (nargin > 2)
    wr_realonly ("colon", limit);
  endif
  if (nargin == 2)
    limit = increment;
    increment = 1;
  elseif (nargin != 3)
    print_usage ();
  endif
  v = {base, increment, limit};
  p = 0;
  for k = 1:3
    if (isobject (v{k}))
      p = max (p, v{k}.p);
    endif
  endfor
  q = p + 1;                    # k*s is exact here, k below 2^64
  w = cell (1, 3);
  for k = 1:3
    a = v{k};
    if (isobject (a))
      n = columns (a.w);
      if (n > 0)
        w{k} = wr_rnd ("prec", 0, q, a.w(:, 1), a.p);   # extension: exact
      endif
    else
      if (! ((isnumeric (a) || islogical (a)) && isreal (a)))
        error ("widefp:type", "colon: cannot make a range with a %s",
               class (a));
      endif
      n = numel (a);
      if (n > 0)
        a = widereal (a(1), q);                   # exact
        w{k} = a.w;
      endif
    endif
    if (n == 0)
      r = wr_new (zeros (p + 1, 0, "uint64"), p, [1 0]);
      return;
    elseif (n > 1)
      warning ("Octave:colon-nonscalar-argument",
               "colon arguments should be scalars");
    endif
  endfor
  [a, s, b] = deal (w{:});
  A = wr_new (a, q, [1 1]);
  S = wr_new (s, q, [1 1]);
  B = wr_new (b, q, [1 1]);
  dir = (S > 0) - (S < 0);
  if (dir == 0 || (B > A) - (B < A) == -dir)
    r = wr_new (zeros (p + 1, 0, "uint64"), p, [1 0]);
    return;
  endif
  if (any (isinf ([A, S, B])))
    error ("widefp:range", "colon: a range with an infinite argument");
  endif

  ## A close guess of the count, then the exact test of its last elements.
  d = double (floor ((B - A) / S));
  if (! (d < 2^31))
    error ("widefp:range", "colon: a range of 2^31 elements or more");
  endif
  n = max (d, 0) + 1;
  while (n > 1 && ! inside (n - 1, a, s, B, q, dir))
    n -= 1;
  endwhile
  while (inside (n, a, s, B, q, dir))
    n += 1;
    if (n >= 2^31)
      error ("widefp:range", "colon: a range of 2^31 elements or more");
    endif
  endwhile

  ## Octave's tolerance: one element more when the next one passes the
  ## limit by at most 3 n units of the last place of the count, n eps,
  ## (eps = 2^(-64p)); that last element is the limit itself.
  ks = wr_new (wr_rnd ("mul", 0, q, n, s), q, [1 1]);
  over = (A + ks - B) ./ S;
  clip = double (over) <= 3 * n * 2^(-64 * p);

  [~, m] = widereal_rounding ();
  ks = wr_rnd ("mul", 0, q, 0:n-1, s);
  [lo, t] = wr_rnd ("add", 3, q, a, ks);
  hi = wr_rnd ("add", 2, q, a, ks);
  r = wr_new (wr_between (lo, hi, t, q, p, m), p, [1 n]);
  if (clip)
    r.w(:, n + 1) = widereal (B, p).w;
    r.sz = [1 n+1];
  endif
endfunction

## True if a + k*s (exact) does not pass the limit B: with the sum rounded
## away from B at q words, where B is a number.
function tf = inside (k, a, s, B, q, dir)
  ks = wr_rnd ("mul", 0, q, k, s);
  if (dir > 0)
    tf = wr_new (wr_rnd ("add", 2, q, a, ks), q, [1 1]) <= B;
  else
    tf = wr_new (wr_rnd ("add", 3, q, a, ks), q, [1 1]) >= B;
  endif
endfunction

%!test
%! ## counts and values against double ranges of integers
%! assert (double (widereal (1):3), 1:3);
%! assert (double (1:widereal (3)), 1:3);
%! assert (double (widereal (5):-2:0), [5 3 1]);
%! assert (double (widereal (-2):int8 (3):7), [-2 1 4 7]);
%! r = 1:widereal (2, 6):4;
%! assert ([precision(r), size(r)], [6 1 2]);
%! assert (size (widereal (3):1), [1 0]);
%! assert (size (widereal (1):-1:3), [1 0]);
%! assert (size (widereal (1):0:3), [1 0]);
%! assert (size (widereal (1):[]), [1 0]);
%! assert (class (widereal (3):1), "widereal");
%!test
%! ## the doubles 0.1 and 0.3 give 2.9999... far beyond the tolerance: 3
%! assert (double (widereal (0):0.1:0.3), [0 0.1 0.2]);
%! ## 1/3 to p words rounded to nearest is below 1/3 (p = 1, 2): 3*s < 1
%! s = widereal ("1/3", 2);
%! assert (numel (0:s:1), 4);
%! old = widereal_rounding ("up");
%! unwind_protect
%!   u = widereal ("1/3", 2);
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%! ## 3u passes 1 by less than the tolerance: a 4th element, exactly 1
%! r = 0:u:1;
%! assert (numel (r), 4);
%! assert (r(4) == 1 && r(3) == 2 * u);
%! assert (numel (0:u:(1 - widereal (2, 2) ^ -100)), 3);
%!test
%! ## each element rounded once: 1 + k/3 at p = 1 (mpmath, 60 digits)
%! r = 1:widereal ("1/3", 1):2;
%! assert (numel (r), 4);
%! assert (r(2) == widereal ("1.33333333333333333331526329712524159276654245331883430480957", 1));
%! assert (r(3) == widereal ("1.66666666666666666663052659425048318553308490663766860961914", 1));
%! assert (r(4) == 2);          # 1 + 3s is below 2, rounded to 2
%! ## a sum that needs many more bits than p: 2^-200 + k, rounded once
%! t = widereal (2, 1) .^ -200;
%! old = widereal_rounding ("up");
%! unwind_protect
%!   x = t:1:2.5;
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%! assert (double (x - [0 1 2]), [2^-200 2^-64 2^-63]);
%! assert (double ((t:1:2.5) - [0 1 2]), [2^-200 0 0]);
%! assert (double (t:1:3), [2^-200 1 2 3]);   # the tolerance: 3 itself
%!test
%! warning ("off", "Octave:colon-nonscalar-argument", "local");
%! assert (double (widereal ([1 5]):3), 1:3);
%!error id=widefp:range widereal (1):Inf
%!error id=widefp:range widereal (0):2^-40:1
%!error id=widefp:type widereal (1):{3}
