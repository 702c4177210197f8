## -*- texinfo -*-
## @deftypefn {} {@var{y} =} subsref (@var{x}, @var{s})
## Indexing @code{x(...)} of a widereal array, with every form numeric
## arrays take (linear, by subscripts, logical masks, @code{:}, @code{end},
## chained @code{x(2:4)(1)}).  Out-of-range and bad indices raise Octave's
## own errors (@code{Octave:index-out-of-bounds}, ...).  Fields are not
## reachable from outside; use @code{precision (x)}.
##
## @example
## v = widereal (1:5);
## v([1 end])      # a 1x2 widereal: 1 and 5
## @end example
## @end deftypefn
function varargout = subsref (x, s)
  if (s(1).type(1) == "(")
    sub = s(1).subs;
    done = false;
    if (numel (sub) == 1 && isnumeric (sub{1}) && isscalar (sub{1}))
      try                                   # the common case: one element
        x.w = x.w(:, sub{1});
        x.sz = [1 1];
        done = true;
      catch                                 # Octave's own error comes below
      end_try_catch
    endif
    if (! done)
      index = reshape (1:prod (x.sz), x.sz);
      index = index(sub{:});                # Octave checks the subscripts
      x.w = x.w(:, index(:));
      x.sz = size (index);
    endif
  elseif (s(1).type(1) == "{")
    error ("widefp:index",
           "'{' undefined for arguments of type 'widereal'; use x(...)");
  else
    error ("widefp:index",
           "widereal has no public fields; use precision (x), size (x), ...");
  endif
  if (numel (s) > 1)
    [varargout{1:max (1, nargout)}] = subsref (x, s(2:end));
  else
    varargout{1} = x;
  endif
endfunction

%!test
%! v = widereal (reshape (1:24, 2, 3, 4));
%! assert (double (v(5)), 5);
%! assert (double (v(:, 2, 3)), [15; 16]);
%! assert (double (v(end, end, end)), 24);
%! assert (double (v(end)), 24);
%! assert (double (v(2, end)), 24);
%! assert (double (v(logical ([1 0]), 3, :)), reshape (5:6:23, 1, 1, 4));
%! assert (size (v(:)), [24 1]);
%! assert (size (v([])), [0 0]);
%! assert (double (v(3:6)(2)), 4);
%! assert (precision (v(1)), precision (v));
%!error id=Octave:index-out-of-bounds widereal (1:3)(4)
%!error id=Octave:index-out-of-bounds widereal (ones (2))(1, 3)
%!error id=Octave:invalid-index widereal (1:3)(0)
%!error <no public fields> widereal (1).w
