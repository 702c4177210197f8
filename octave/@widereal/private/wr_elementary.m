## -*- texinfo -*-
## @deftypefn  {} {@var{R} =} wr_elementary (@var{name}, @var{X}, @var{p})
## @deftypefnx {} {@var{R} =} wr_elementary ("pow", @var{X}, @var{p}, @var{Y})
## Applies the elementary-function plug-in wr_@var{name} (exp, log, sin,
## cos, atan, asin, pow) to every column of the words @var{X} (precision
## @var{p}, finite operands inside the function's domain: the caller
## handles the rest).  These plug-ins take one element per call, so this
## is the one element loop of the class; each call gets a fresh result
## element and one work array made per call of this function (its contents
## do not matter between calls), and log, pow and atan share the kept
## reciprocal cache.  A p = 1 operand is computed at p = 2 and rounded to
## nearest.  The results are truncated toward zero by the plug-ins.
##
## @example
## R = wr_elementary ("exp", x.w, x.p);
## @end example
## @end deftypefn
function R = wr_elementary (name, X, p, Y)
  q = max (p, 2);
  X = wr_lift (X, p, q);
  n = columns (X);
  switch (name)
    case {"exp", "sin", "cos"}
      work = 2 * q + 5;
    case "atan"
      work = 2 * q + 4;
    case {"log", "pow"}
      work = 3 * q + 6;
    case "asin"
      work = 5 * q + 10;
  endswitch
  work = zeros (work, 1, "uint64");
  f = str2func (["wr_" name]);
  R = zeros (q + 1, n, "uint64");
  for k = 1:n
    r = zeros (q + 1, 1, "uint64");
    switch (name)
      case {"log", "atan"}
        f (r, X(:, k), q, work, wr_cache (q));
      case "pow"
        f (r, X(:, k), wr_lift (Y(:, k), p, q), q, work, wr_cache (q));
      otherwise
        f (r, X(:, k), q, work);
    endswitch
    R(:, k) = r;
  endfor
  R = wr_tidy (R);
  if (q > p)
    R = wr_roundwords (R, q, p);
  endif
endfunction
