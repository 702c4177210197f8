## -*- texinfo -*-
## @deftypefn {} {@var{y} =} cat (@var{dim}, @var{a}, @var{b}, @dots{})
## Concatenation of widereal arrays, and of doubles, integers or logicals
## taken exactly, along dimension @var{dim}.  The result has the largest
## precision among the widereal pieces (the others are extended exactly).
## Empty 0x0 pieces are skipped and mismatched sizes raise Octave's errors,
## exactly as for numeric arrays.
##
## Octave itself limits the bracket forms: in @code{[x; 5 6 7 8]} a row of
## several doubles beside a widereal fails before any method runs (write
## @code{[x; [5 6 7 8]]}), and an error inside brackets (a NaN, a complex
## number, mismatched sizes) reaches the user as "widereal/horzcat method
## failed" or "widereal/vertcat method failed"; @code{cat} shows the
## error itself.
##
## @example
## y = cat (3, widereal (1), 2)   # 1x1x2
## @end example
## @seealso{horzcat, vertcat}
## @end deftypefn
function y = cat (dim, varargin)
  n = numel (varargin);
  p = 0;
  cx = false;                               # a complex part makes all complex
  for k = 1:n
    a = varargin{k};
    if (isobject (a))
      p = max (p, a.p);
      cx = cx || rows (a.w) > a.p + 1;
    else
      cx = cx || (isnumeric (a) && ! isreal (a));
    endif
  endfor
  words = cell (1, n);
  idx = cell (1, n);
  offset = 0;
  for k = 1:n
    a = varargin{k};
    if (! isobject (a))
      if (! (isnumeric (a) || islogical (a)))
        error ("widefp:type", "widereal: cannot concatenate a %s", class (a));
      endif
      a = widereal (a, p);                  # exact
    elseif (a.p < p)
      a = widereal (a, p);                  # extended: exact
    endif
    if (cx && rows (a.w) == p + 1)
      a = complex (a);                      # zero imaginary parts
    endif
    words{k} = a.w;
    m = prod (a.sz);
    idx{k} = reshape (offset + (1:m), a.sz);
    offset += m;
  endfor
  try                                       # Octave checks the sizes
    if (dim == 2)
      j = [idx{:}];
    else
      j = cat (dim, idx{:});
    endif
  catch err
    error ("Octave:nonconformant-args", "%s", err.message);
  end_try_catch
  w = [words{:}];
  y = wr_new (w(:, j(:)), p, size (j));
  if (cx)
    y = wr_narrow (y);                      # as Octave
  endif
endfunction

%!test
%! a = widereal ([1 2; 3 4], 2);
%! b = widereal ("1/3", 5);
%! y = [a, [5; 6]; 7, int16(8), b];
%! assert (size (y), [3 3]);
%! assert (precision (y), 5);
%! assert (double (y), [1 2 5; 3 4 6; 7 8 1/3]);
%! assert (y(3, 3) == b);
%! assert (size ([a; []; a]), [4 2]);
%! assert (size (cat (3, a, a)), [2 2 2]);
%! assert (double ([widereal([]), 1]), 1);
%!error id=Octave:nonconformant-args vertcat (widereal ([1 2]), 1)
%!error <horizontal dimensions mismatch> horzcat (widereal ([1; 2]), 1)
%!error id=Octave:nonconformant-args cat (3, widereal ([1 2]), 1)
%!error <vertcat method failed> [widereal([1 2]); 1]   # Octave's own wording
%!error <cannot concatenate> cat (2, widereal (1), {2})
