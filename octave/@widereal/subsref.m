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
  if (numel (s) == 1 && s.type(1) == "(" && numel (s.subs) == 1)
    try                                     # the common case: one element
      w = x.w(:, s.subs{1});
      if (numel (w) == x.p + 1)             # one element, whatever the index
        x.w = w;
        x.sz = [1 1];
        varargout{1} = x;
        return;
      elseif (columns (w) == 1 && rows (w) > x.p + 1)  # complex: Octave
        x.w = w;                            # narrows a zero imaginary part
        x.sz = [1 1];
        varargout{1} = wr_narrow (x);
        return;
      endif
    catch                                   # Octave's own error comes below
    end_try_catch
  endif
  if (s(1).type(1) == "(")
    sub = s(1).subs;
    ## Octave checks the subscripts; indexing an expression, not a named
    ## variable, lets its message read "index (17): out of bound 16 ..."
    k = reshape (1:prod (x.sz), x.sz)(sub{:});
    x.w = x.w(:, k(:));
    x.sz = size (k);
    x = wr_narrow (x);                      # as Octave, for complex x
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
%! assert (size (v(logical ([0 0 1]))), [1 1]);   # one element, any index
%! assert (double (v(logical ([0 0 1 0; 0 0 0 0]))), 5);
%! assert (size (v(false)), [0 0]);
%!error id=Octave:index-out-of-bounds widereal (1:3)(4)
%!error id=Octave:index-out-of-bounds widereal (ones (2))(1, 3)
%!error <index \(0\): subscripts> widereal (1:3)(0)
%!error <^index \(5,_\): out of bound 4 \(dimensions are 4x4\)$> widereal (magic (4))(5, 1)
%!error <no public fields> widereal (1).w
