## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isequal (@var{a}, @var{b}, @dots{})
## True if all arguments have the same size and the same values; widereal
## arrays of different precisions and doubles, integers or logicals (taken
## exactly) compare by value.  +0 and -0 are equal.
##
## @example
## isequal (widereal (1, 2), widereal (1, 8), 1)   # true
## @end example
## @end deftypefn
function tf = isequal (a, varargin)
  tf = true;
  for k = 1:numel (varargin)
    b = varargin{k};
    if (! ((isa (b, "widereal") || isnumeric (b) || islogical (b))
           && (isa (a, "widereal") || isnumeric (a) || islogical (a))))
      tf = false;
      return;
    endif
    sa = size (a);
    sb = size (b);
    if (numel (sa) != numel (sb) || any (sa != sb)
        || (! isa (b, "widereal") && ! isreal (b))
        || any (wr_cmp (a, b)(:) != 0))
      tf = false;
      return;
    endif
  endfor
endfunction

%!test
%! a = widereal ([1 -0 Inf], 2);
%! assert (isequal (a, widereal ([1 0 Inf], 7), [1 0 Inf]));
%! assert (isequal ([1 0 Inf], a));
%! assert (! isequal (a, [1 0]));
%! assert (! isequal (a, [1 0 -Inf]));
%! assert (! isequal (a, a, "abc"));
%! assert (! isequal (widereal ("1/3", 2), widereal ("1/3", 3)));
