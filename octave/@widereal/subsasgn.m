## -*- texinfo -*-
## @deftypefn {} {@var{x} =} subsasgn (@var{x}, @var{s}, @var{v})
## Assignment @code{x(...) = v} into a widereal array, as for numeric
## arrays: growth fills with zeros, @code{x(...) = []} deletes.  @var{v} may
## be a widereal or a double, integer or logical array, converted exactly;
## when @var{v} is the more precise, @var{x} is extended to its precision
## (extension is exact).  Size mismatches raise Octave's own errors.  A new
## variable @code{v(3) = x} becomes a widereal array; Octave does not let a
## widereal be assigned into part of an existing double array: convert the
## array first, @code{d = widereal (d); d(2) = x}.
##
## Fields cannot be assigned (@code{widefp:index}).  For an @var{x} of more
## than one element Octave refuses @code{x.name = v} itself, before this
## method runs, with its own "invalid dot name structure assignment"
## message; to reuse the variable as a struct, @code{clear} it first.
##
## @example
## v = widereal (zeros (1, 3));
## v(2) = widereal ("1/3");
## v(5) = 1;           # v is 1x5 now, v(4) is 0
## v([1 4]) = [];      # 1x3
## @end example
## @end deftypefn
function x = subsasgn (x, s, v)
  if (isobject (x) && numel (s) == 1 && s.type(1) == "("
      && numel (s.subs) == 1)
    if (isa (v, "double") && isscalar (v) && isreal (v) && ! issparse (v))
      v = widereal (v, x.p);                # exact
    endif
    k = s.subs{1};
    if (isobject (v) && isa (k, "double") && isscalar (k) && k >= 1 && k == fix (k))
      vw = v.w;
      p = x.p;
      if (v.p == p && columns (vw) == 1 && rows (vw) == p + 1 && rows (x.w) == p + 1)
        ## x(k) = a real scalar of the same precision into a real array: in
        ## place, or one past the end of a vector (appending), without the
        ## general path
        n = columns (x.w);
        if (k <= n)
          x.w(:, k) = vw;
          return;
        elseif (k == n + 1 && n > 0 && numel (x.sz) == 2)
          if (x.sz(1) == 1)                 # a row, or a scalar: a row
            x.w(:, k) = vw;
            x.sz = [1 k];
            return;
          elseif (x.sz(2) == 1)             # a column
            x.w(:, k) = vw;
            x.sz = [k 1];
            return;
          endif
        endif
      endif
    endif
  endif
  sub = s(1).subs;
  if (s(1).type(1) == ".")
    error ("widefp:index",
           "widereal has no public fields; use precision (x), size (x), ...");
  elseif (numel (s) > 1 || ! strcmp (s(1).type, "()"))
    error ("widefp:index",
           "widereal: only x(...) = v assignments are supported");
  endif
  if (! isobject (x))                # x(k) = v with x not yet defined
    x = widereal (x, v.p);
  endif
  sz = x.sz;
  n = prod (sz);

  if (isa (v, "double") && all (size (v) == 0))
    index = reshape (1:n, sz);
    index(sub{:}) = [];                     # Octave checks the deletion
    x.w = x.w(:, index(:));
    x.sz = size (index);
    x = wr_narrow (x);                      # as Octave, for complex x
    return;
  endif

  if (! isobject (v))
    if (! (isnumeric (v) || islogical (v)))
      error ("widefp:type", "widereal: cannot assign a %s to widereal",
             class (v));
    endif
    v = widereal (v, x.p);                  # exact, complex ones too
  endif
  if (v.p > x.p)                            # extensions are exact
    x = widereal (x, v.p);
  elseif (v.p < x.p)
    v = widereal (v, x.p);
  endif
  narrow = false;
  if (rows (x.w) != rows (v.w))             # a real part and a complex one:
    if (rows (v.w) > v.p + 1)               # the real one gets zero
      x = complex (x);                      # imaginary parts
    else
      v = complex (v);
      narrow = true;
    endif
  elseif (rows (v.w) > v.p + 1)
    narrow = isreal (wr_narrow (v));        # a value of zero imaginary parts
  endif
  vw = v.w;

  m = columns (vw);
  index = reshape (1:n, sz);
  if (m == 1)
    index(sub{:}) = n + 1;
  else
    index(sub{:}) = reshape (n + (1:m), v.sz);  # Octave checks the shapes
  endif
  index(index == 0) = n + m + 1;            # new places that get zeros
  z = wr_conv ("scalar", x.p, 0);
  if (rows (x.w) > x.p + 1)
    z = [z; z];
  endif
  x.w = [x.w, vw, z](:, index(:));
  x.sz = size (index);
  if (narrow)
    x = wr_narrow (x);                      # as Octave
  endif
endfunction

%!test
%! v = widereal (zeros (1, 3), 2);
%! v(2) = widereal ("1/3", 2);
%! v(5) = int8 (-7);
%! assert (double (v), [0 1/3 0 0 -7]);
%! v([1 4]) = [];
%! assert (double (v), [1/3 0 -7]);
%! v(2, :) = 1;
%! assert (double (v), [1/3 0 -7; 1 1 1]);
%! v(:, 2) = widereal ([5; 6], 6);            # the array widens to 6 words
%! assert (precision (v), 6);
%! assert (double (v), [1/3 5 -7; 1 6 1]);
%! assert (v(1) == widereal ("1/3", 2));      # extension is exact
%! v(:, logical ([1 0 1])) = [];
%! assert (double (v), [5; 6]);
%!test
%! clear u;
%! u(2, 2) = widereal ("1/3", 3);
%! assert (precision (u), 3);
%! assert (double (u), [0 0; 0 1/3]);
%!error id=Octave:nonconformant-args x = widereal (1:3); x(1:2) = [1 2 3];
%!test
%! ## one subscript, widereal values: masks, several places, growth, widening
%! x = widereal (1:3, 2);
%! x(logical ([0 1 0 0])) = widereal (7, 2);     # a trailing false: no growth
%! x([3 1]) = widereal ([5 6], 2);
%! assert (double (x), [6 7 5]);
%! x(logical ([0 0 0 0 1])) = widereal (8, 2);   # grows, zeros between
%! assert (double (x), [6 7 5 0 8]);
%! x(2) = widereal ("1/3", 4);
%! assert (precision (x), 4);
%! assert (x(2) == widereal ("1/3", 4));
%!error id=Octave:nonconformant-args x = widereal (1:3); x(logical ([1 1])) = widereal ([1 2 3]);
%!error id=Octave:invalid-index x = widereal (1:3); x(0) = 1;
%!error <cannot assign> x = widereal (1:3); x(1) = {1};
%!error id=widefp:index x = widereal (1); x.p = 3;
%!error id=widefp:index x = widereal (1:3); x{2} = 3;
%!test
%! ## growing by one element keeps Octave's shapes, doubles converted exactly
%! r = widereal (1, 2);  c = widereal ([1; 2], 2);  e = widereal (zeros (0, 0), 2);
%! r(end+1) = widereal ("1/3", 2);  r(end+1) = 2^-1074;
%! c(end+1) = -7;  e(end+1) = widereal (5, 2);
%! assert ({size(r), size(c), size(e)}, {[1 3], [3 1], [1 1]});
%! assert (r(2) == widereal ("1/3", 2));
%! assert (double ([r(3); c(3); e]), [2^-1074; -7; 5]);
%! m = widereal (zeros (2), 2);
%! fail ("m(5) = widereal (1, 2)", "resizing");
%! fail ("r(4) = NaN", "NaN");
