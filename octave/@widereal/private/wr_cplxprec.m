## -*- texinfo -*-
## @deftypefn {} {[@var{v}, @var{c}] =} wr_cplxprec (@var{v}, @var{p})
## The operand @var{v} (a widereal or a number, real or complex) as a
## widereal of precision @var{p} (at least its own; extended exactly), and
## whether it is complex: the one conversion of operands for the complex
## arithmetic (wr_cxbinary) and linear algebra (mldivide, inv).  A complex
## double becomes a complex widereal part by part; integers and logicals
## convert exactly.
##
## @example
## [v, c] = wr_cplxprec (1 + 2i, 3);   # c = true
## @end example
## @end deftypefn
function [v, c] = wr_cplxprec (v, p)
  if (! isobject (v))
    if (! (isnumeric (v) || islogical (v)))
      error ("widefp:type", "widereal: cannot combine a widereal with a %s", class (v));
    endif
    c = iscomplex (v);
    sz = size (v);
    if (c)
      w = [wr_conv("fromnum", p, real (v)); wr_conv("fromnum", p, imag (v))];
    else
      w = wr_conv ("fromnum", p, v);
    endif
    v = wr_new (reshape (w, [], prod (sz)), p, sz);
    return;
  endif
  c = rows (v.w) > v.p + 1;
  if (v.p < p)
    w = v.w;
    if (c)
      v.w = [wr_rnd("prec", 0, p, w(1:v.p+1, :), v.p); wr_rnd("prec", 0, p, w(v.p+2:end, :), v.p)];
    else
      v.w = wr_rnd ("prec", 0, p, w, v.p);   # extended: exact
    endif
    v.p = p;
  endif
endfunction
