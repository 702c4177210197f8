## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isequal (@var{a}, @var{b}, @dots{})
## True if all arguments have the same size and the same values; widereal
## arrays of different precisions and doubles, integers or logicals (taken
## exactly) compare by value.  +0 and -0 are equal.  A NaN equals nothing,
## so an array holding one is never equal to a widereal (as Octave's
## @code{isequal (NaN, NaN)} is false).
##
## @example
## isequal (widereal (1, 2), widereal (1, 8), 1)   # true
## @end example
## @end deftypefn
function tf = isequal (a, varargin)
  tf = ! nonumber (a);
  for k = 1:numel (varargin)
    b = varargin{k};
    if (! ((isobject (b) || isnumeric (b) || islogical (b))
           && (isobject (a) || isnumeric (a) || islogical (a))))
      tf = false;
      return;
    endif
    if (! (isobject (a) || isobject (b)))
      tf = tf && isequal (a, b);            # two plain arrays: Octave's own
      continue;
    endif
    sa = size (a);
    sb = size (b);
    if (! tf || numel (sa) != numel (sb) || any (sa != sb) || nonumber (b)
        || any (wr_cmp (a, b, true)(:) != 0))
      tf = false;
      return;
    endif
  endfor
endfunction

## True for an operand that no widereal can equal: complex, or holding NaN.
function tf = nonumber (v)
  tf = ! isobject (v) && isfloat (v) && any (isnan (v(:)));
endfunction

%!test
%! a = widereal ([1 -0 Inf], 2);
%! assert (isequal (a, widereal ([1 0 Inf], 7), [1 0 Inf]));
%! assert (isequal ([1 0 Inf], a));
%! assert (! isequal (a, [1 0]));
%! assert (! isequal (a, [1 0 -Inf]));
%! assert (! isequal (a, a, "abc"));
%! assert (! isequal (widereal ("1/3", 2), widereal ("1/3", 3)));
%! ## NaN is equal to nothing, on either side (it was an error)
%! assert ([isequal(widereal (1), NaN), isequal(NaN, widereal (1)), ...
%!          isequal(widereal ([1 2]), [1 NaN]), isequal(widereal (1), 1, NaN)], ...
%!         false (1, 4));
