## -*- texinfo -*-
## @deftypefn  {} {@var{z} =} complex (@var{a})
## @deftypefnx {} {@var{z} =} complex (@var{a}, @var{b})
## The complex widereal array a + b i from its real and imaginary parts
## (widereals or real doubles, integers or logicals, converted exactly; a
## scalar part serves every element of the other).  The result is complex
## even where every imaginary part is zero, as Octave's @code{complex}.
## Its precision is the larger of the parts'.
##
## A complex widereal keeps the words of both parts: p+1 words of the real
## part, then p+1 of the imaginary part, per element.
##
## @example
## z = complex (widereal ("1/3"), 2)   # 0.3333... + 2i
## complex (widereal ([1 2]))          # [1+0i, 2+0i]
## @end example
## @seealso{real, imag, iscomplex}
## @end deftypefn
function z = complex (a, b)
  if (nargin < 1 || nargin > 2)
    print_usage ();
  endif
  if (nargin == 1)
    b = 0;
  endif
  for v = {a, b}
    if (isobject (v{1}) && rows (v{1}.w) > v{1}.p + 1)
      error ("widefp:type", "complex: the parts must be real");
    elseif (! isobject (v{1}) && ! ((isnumeric (v{1}) || islogical (v{1})) && isreal (v{1})))
      error ("widefp:type", "complex: the parts must be real numbers");
    endif
  endfor
  if (! isobject (a))
    a = widereal (a, b.p);
  endif
  if (! isobject (b))
    b = widereal (b, a.p);
  endif
  p = max (a.p, b.p);
  A = a.w;
  B = b.w;
  if (a.p < p)
    A = wr_rnd ("prec", 0, p, A, a.p);         # extended: exact
  endif
  if (b.p < p)
    B = wr_rnd ("prec", 0, p, B, b.p);
  endif
  if (columns (A) == 1 && columns (B) != 1)
    A = repmat (A, 1, columns (B));
    sz = b.sz;
  elseif (columns (B) == 1 && columns (A) != 1)
    B = repmat (B, 1, columns (A));
    sz = a.sz;
  elseif (isequal (a.sz, b.sz))
    sz = a.sz;
  else
    error ("Octave:nonconformant-args",
           "complex: the parts must have the same size, or one be a scalar");
  endif
  z = wr_new ([A; B], p, sz);
endfunction

%!test
%! z = complex (widereal ("1/3", 2), [2 -0]);
%! assert ([iscomplex(z), precision(z), size(z)], [1 2 1 2]);
%! assert (real (z) == widereal ("1/3", 2));
%! assert (double (imag (z)), [2 -0]);
%! assert (1 ./ double (imag (z))(2), -Inf);
%! assert (iscomplex (complex (widereal (1))));
%!error <same size> complex (widereal ([1 2]), [1 2 3])
%!error <must be real> complex (complex (widereal (1), 1), 1)
%!error <real numbers> complex (widereal (1), 1i)
