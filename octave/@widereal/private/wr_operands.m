## -*- texinfo -*-
## @deftypefn  {} {[@var{x}, @var{y}, @var{p}, @var{sz}] =} wr_operands (@var{a}, @var{b})
## @deftypefnx {} {[@var{x}, @var{y}, @var{p}, @var{sa}, @var{sb}] =} wr_operands (@var{a}, @var{b}, false)
## The words (p+1 rows, one column per element) of the two operands of a
## binary operation, at least one a widereal.  A double, single, logical or
## integer operand is converted exactly at the other's precision; two
## widereals of different precision meet at the larger one (the shorter
## extended, exactly).  NaN raises @code{widefp:domain}.
##
## With two arguments the operands are broadcast to a common size @var{sz}
## by Octave's rules (@code{Octave:nonconformant-args} otherwise, under
## the calling operation's name, e.g. "operator .^" or "atan2").  With a
## third argument false they keep their sizes @var{sa}, @var{sb}.
## The arrays returned are only to be read: they may share the operands'
## memory.
##
## @example
## [x, y, p, sz] = wr_operands (widereal ([1 2]), 3);   # y repeated twice
## @end example
## @end deftypefn
function [x, y, p, sz, sb] = wr_operands (a, b, broadcast)
  if (isobject (a))
    x = a.w;
    p = a.p;
    sz = a.sz;
    if (isobject (b))
      y = b.w;
      sb = b.sz;
      if (b.p > p)
        x = wr_rnd ("prec", 0, b.p, x, p);   # extended: exact
        p = b.p;
      elseif (b.p < p)
        y = wr_rnd ("prec", 0, p, y, b.p);
      endif
    else
      y = numwords (b, p);
      sb = size (b);
    endif
  else
    y = b.w;
    p = b.p;
    sb = b.sz;
    x = numwords (a, p);
    sz = size (a);
  endif
  if (nargin > 2 || (numel (sz) == numel (sb) && all (sz == sb)))
    return;
  elseif (all (sb == 1))
    y = y(:, ones (1, columns (x)));
  elseif (all (sz == 1))
    x = x(:, ones (1, columns (y)));
    sz = sb;
  else
    try
      ka = reshape (1:columns (x), sz) + zeros (sb);   # Octave's broadcasting
    catch err
      nonconformant (err, sz, sb);
    end_try_catch
    kb = reshape (1:columns (y), sb) + zeros (sz);
    x = x(:, ka(:));
    y = y(:, kb(:));
    sz = size (ka);
  endif
endfunction

## Octave's nonconformant error under the name of the operation that met
## it: the first caller on the stack outside these private helpers (looked
## up only here, so the common paths pay nothing).
function nonconformant (err, sz, sb)
  if (! strcmp (err.identifier, "Octave:nonconformant-args"))
    rethrow (err);
  endif
  name = "widereal";
  st = dbstack ();
  for k = 1:numel (st)
    if (! strncmp (st(k).name, "wr_", 3) && ! strcmp (st(k).name, "nonconformant"))
      name = st(k).name;
      break;
    endif
  endfor
  ops = struct ("plus", "+", "minus", "-", "times", ".*", "rdivide", "./",
                "power", ".^", "eq", "==", "ne", "!=", "lt", "<", "le", "<=",
                "gt", ">", "ge", ">=");
  if (isfield (ops, name))
    name = ["operator " ops.(name)];
  endif
  dims = @(d) regexprep (sprintf ("%dx", d), "x$", "");
  error ("Octave:nonconformant-args",
         "%s: nonconformant arguments (op1 is %s, op2 is %s)",
         name, dims (sz), dims (sb));
endfunction

function w = numwords (v, p)
  if (! ((isnumeric (v) || islogical (v)) && isreal (v)))
    error ("widefp:type", "widereal: cannot combine a widereal with a %s",
           class (v));
  endif
  w = wr_conv ("fromnum", p, v);            # exact; NaN raises widefp:domain
endfunction
