## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} arrayfun (@var{fcn}, @var{a}, @dots{})
## @deftypefnx {} {[@var{y1}, @var{y2}, @dots{}] =} arrayfun (@var{fcn}, @var{a}, @dots{})
## @deftypefnx {} {@dots{} =} arrayfun (@dots{}, "UniformOutput", @var{tf}, "ErrorHandler", @var{h})
## Call @var{fcn} (a function handle or name) on the elements of arrays of
## one size, at least one a widereal: each widereal element is passed as a
## 1x1 widereal of the array's precision, each element of another array as
## Octave's own @code{arrayfun} passes it.
##
## With @qcode{"UniformOutput"} true (the default) every call must return
## single elements: widereal ones (with numbers among them, taken exactly)
## make a widereal array of the shape of @var{a}, others an array as
## Octave makes it.  With @qcode{"UniformOutput"} false the results are
## returned in cell arrays of that shape.  An error in @var{fcn} is
## raised as it is, or, with @qcode{"ErrorHandler"}, @var{h} is called
## instead with a struct of fields @code{message}, @code{identifier} and
## @code{index} followed by the arguments, and its results are kept.
##
## @example
## arrayfun (@@(t) t^2, widereal ([1 2 3]))             # widereal [1 4 9]
## arrayfun (@@(t) precision (t), widereal ([1 2], 3))  # [3 3]
## c = arrayfun (@@(t) [t t], widereal ([1 2]), "UniformOutput", false)
## @end example
## @seealso{num2cell}
## @end deftypefn
function varargout = arrayfun (fcn, varargin)
  if (nargin < 2)
    print_usage ();
  endif
  args = varargin;
  uniform = true;
  handler = [];
  while (numel (args) >= 3 && ischar (args{end-1}))
    name = args{end-1};
    value = args{end};
    if (! isempty (name) && strncmpi (name, "UniformOutput", numel (name)))
      if (! (isscalar (value) && (islogical (value) || isnumeric (value))))
        error ("arrayfun: UniformOutput must be a logical scalar");
      endif
      uniform = logical (value);
    elseif (! isempty (name) && strncmpi (name, "ErrorHandler", numel (name)))
      if (! is_function_handle (value))
        error ("arrayfun: ErrorHandler must be a function handle");
      endif
      handler = value;
    else
      error ("arrayfun: unrecognized parameter %s", name);
    endif
    args(end-1:end) = [];
  endwhile
  if (ischar (fcn))
    fcn = str2func (fcn);
  elseif (! is_function_handle (fcn))
    error ("arrayfun: FCN must be a function handle or the name of a function");
  endif

  na = numel (args);
  sz = size (args{1});
  wide = false (1, na);
  for i = 1:na
    wide(i) = isobject (args{i}) && isobject (args{i});
    s = size (args{i});
    if (numel (s) != numel (sz) || any (s != sz))
      error ("arrayfun: dimensions mismatch");
    endif
  endfor
  n = prod (sz);
  nout = max (nargout, 1);
  res = cell (nout, n);
  a = cell (1, na);
  for k = 1:n
    for i = 1:na
      if (wide(i))
        e = args{i};
        e.w = e.w(:, k);
        e.sz = [1 1];
        a{i} = e;
      else
        a{i} = args{i}(k);
      endif
    endfor
    try
      if (nargout == 0)
        v = call0 (fcn, a);
        nout = numel (v);
      else
        v = cell (1, nout);
        [v{:}] = fcn (a{:});
      endif
    catch err
      if (isempty (handler))
        rethrow (err);
      endif
      s = struct ("message", err.message, "identifier", err.identifier,
                  "index", k);
      v = cell (1, max (nargout, 1));
      [v{:}] = handler (s, a{:});
    end_try_catch
    res(1:numel (v), k) = v;
  endfor
  if (nargout == 0 && nout == 0)
    return;
  endif
  for j = 1:max (nargout, 1)
    if (! uniform)
      varargout{j} = reshape (res(j, :), sz);
      continue;
    endif
    if (n == 0)
      varargout{j} = zeros (sz);
      continue;
    endif
    anywide = false;
    for k = 1:n
      v = res{j, k};
      if (isobject (v) && isobject (v))
        one = columns (v.w) == 1;
        anywide = true;
      else
        one = numel (v) == 1;
      endif
      if (! one)
        error ("arrayfun: all values must be scalars when UniformOutput = true; use the 'UniformOutput', false options");
      endif
    endfor
    if (anywide)
      varargout{j} = reshape (cat (2, res{j, :}), sz);
    else
      varargout{j} = reshape ([res{j, :}], sz);
    endif
  endfor
endfunction

## The value fcn (a{:}) leaves in ans called for no output, in a cell (or
## an empty cell when it gives none).
function v = call0 (fcn, a)
  fcn (a{:});
  if (exist ("ans", "var"))
    v = {ans};
  else
    v = {};
  endif
endfunction

## a widereal for even t, a double zero otherwise
%!function r = ifelse_wide (t)
%!  if (mod (double (t), 2) == 0)
%!    r = t;
%!  else
%!    r = 0;
%!  endif
%!endfunction

%!test
%! v = widereal ({"1/3", "2", "3"; "4", "5", "6"}, 3);
%! assert (arrayfun (@numel, v), ones (2, 3));
%! y = arrayfun (@(t) t .* 3, v);
%! assert (class (y), "widereal");
%! assert ([precision(y), size(y)], [3 2 3]);
%! assert (y == v .* 3);
%! assert (arrayfun (@(t, d) t > d, v, [0 5 0; 5 0 7]), logical ([1 0 1; 0 1 0]));
%! c = arrayfun (@(t) [t t], v, "UniformOutput", false);
%! assert ([size(c), size(c{2, 3})], [2 3 1 2]);
%! assert (double (c{1}), [1/3 1/3]);
%! [lo, hi] = arrayfun (@(t) deal (t - 1, t + 1), widereal ([1 2]));
%! assert (double ([lo; hi]), [0 1; 2 3]);
%! assert (double (arrayfun (@(t) 7, widereal ([1 2]), "uniformoutput", true)), [7 7]);
%! assert (size (arrayfun (@(t) t, widereal (zeros (0, 3)))), [0 3]);
%! ## a mix of widereals and numbers: a widereal array
%! z = arrayfun (@(t) ifelse_wide (t), widereal ([1 2 3]));
%! assert (class (z), "widereal");
%! assert (double (z), [0 2 0]);
%!test
%! ## the error handler sees the index and the element
%! h = @(s, t) -s.index;
%! y = arrayfun (@(t) realsqrt (t), widereal ([4 -1 9]), "ErrorHandler", h);
%! assert (double (y), [2 -2 3]);
%! f = @(s, t) s.identifier;
%! c = arrayfun (@(t) error ("my:id", "no"), widereal (1), "ErrorHandler", f, "Uniform", false);
%! assert (c, {"my:id"});
%!error <dimensions mismatch> arrayfun (@(a, b) a, widereal ([1 2]), [1 2 3])
%!error <must be scalars> arrayfun (@(t) [t t], widereal ([1 2]))
%!error <unrecognized parameter> arrayfun (@(t) t, widereal (1), "Foo", 1)
%!error <complex result> arrayfun (@realsqrt, widereal (-1))
