## -*- texinfo -*-
## @deftypefn  {} {@var{x} =} widereal (@var{v})
## @deftypefnx {} {@var{x} =} widereal (@var{v}, @var{p})
## @deftypefnx {} {@var{x} =} widereal (@var{v}, "digits", @var{d})
## @deftypefnx {} {@var{x} =} widereal (@var{w}, @var{p}, "words")
## @deftypefnx {} {@var{x} =} widereal (@var{w}, @var{p}, "words", @var{sz})
## A wide binary floating-point number, or an array of them: a sign, a 63-bit
## exponent and a fraction of @var{p} 64-bit words (64p+1 significant bits).
## @var{p} defaults to @code{widereal_precision ()}, 4 words at start.
## With @qcode{"digits"}, @var{p} is the fewest words holding @var{d}
## significant decimal digits (an integer from 1 to 19709): the fewest
## @var{p} with @code{floor ((64*p+1) * log10 (2)) >= @var{d}}, the rule of
## @code{widereal_digits} and @code{digits}; @code{widereal ("1/3", "digits",
## 30)} has precision 2 (38 digits).
##
## @var{v} may be
## @itemize
## @item a double, single, logical or integer array (int64 and uint64 too;
## sparse ones as full), converted exactly.  Beware: a double literal is already rounded to 53 bits
## before it gets here, so @code{widereal (0.1)} is the double nearest 0.1,
## correct to only about 16 digits, not 1/10.  Give such numbers as text.
## @item a text or a cell array of texts in the syntax of @code{wr_parse}: decimal
## numbers (@qcode{"0.1"}, @qcode{"-1.5e-300"}), named constants
## (@qcode{"#pi"}, @qcode{"#e"}, @qcode{"#ln2"}), raw words in hexadecimal
## separated by colons (@qcode{"@@3fffffffffffffff:8000000000000000"} is
## 1.5) and expressions with + - * / and parentheses (@qcode{"1/3"},
## @qcode{"2*#pi-1"}); blanks are ignored.  Each text's exact value is
## correctly rounded to precision @var{p} (at most 1022) in the mode of
## @code{widereal_rounding} (to nearest, ties to even, by default): the
## gateway wr_rnd bounds it in interval arithmetic from the exact digits
## and rounds once.  Where the bounds cannot decide (an exact value reached
## through inexact steps, as @qcode{"1/3*3"} toward zero, or one within
## 2^-65472 of a rounding boundary) the reader's value at p+1 words,
## each step truncated, is rounded instead.  The reader's division by zero gives an
## infinity, 0/0 included, and it gives a value to the forms the class's
## arithmetic refuses with @code{widefp:domain} (0/0, Inf-Inf, 0*Inf,
## Inf/Inf): @qcode{"0/0"} reads as Inf, @qcode{"1/0-1/0"} as 0.  Keep
## divisions by zero out of texts; use @code{widereal (Inf)} for infinity.
## @item a widereal: returned as is, or, when @var{p} is given, correctly
## rounded to @var{p} words in the mode of @code{widereal_rounding} or
## extended exactly (the library's change of precision, through wr_rnd).
## @end itemize
##
## With @qcode{"words"}, @var{w} is a uint64 array of p+1 words per element
## (sign and exponent word first) as the plug-ins use; the result has size
## @var{sz}, by default a column of numel (w) / (p+1) elements.
##
## Rounding: doubles, singles, logicals and integers (int64 and uint64
## too) need at most 64 bits and are converted exactly at any @var{p}.
## Texts and changes of precision round in the mode of
## @code{widereal_rounding} as described above: correctly rounded (a text
## where its bounds decide, which covers every plain decimal number and
## named constant short of texts of hundreds of thousands of digits).
##
## NaN has no widereal value and raises @code{widefp:domain}.
##
## Complex numbers: a complex double or single array converts exactly to a
## complex widereal (kept complex where every imaginary part is zero, as
## Octave keeps such an array).  A text ending in the imaginary unit i or j
## reads as a complex number: @qcode{"1+2i"}, @qcode{"-i"},
## @qcode{"2.5e-3-4e+2j"}, @qcode{"#e-#pi*i"}; it splits at its last + or -
## outside parentheses that is no exponent's sign, and each part is read
## and rounded as a real text (@qcode{"#pi"} stays the constant).  With
## @code{widereal (@var{re}, @var{im})} or @code{widereal (@var{re},
## @var{im}, @var{p})} the two parts are given as texts.
##
## @example
## x = widereal ("1/3", 8)          # 1/3 to 512 bits
## y = widereal (0.1)               # 0.1000000000000000055511151231257827...
## z = widereal (intmax ("uint64")) # 18446744073709551615 exactly
## c = widereal ("1/3+2i", 2)       # complex, each part to 129 bits
## @end example
## @seealso{widereal_precision, widereal_digits, widereal_rounding, wr_constant, double, precision, digits}
## @end deftypefn
function x = widereal (v, p, how, sz)
  persistent scalar = [];                   # a zero scalar of precision q,
  persistent q = 0;                         # whose words new scalars replace
  if (nargin == 1 && isa (v, "double") && isscalar (v) && isreal (v))
    p = widereal_precision ();              # the common case, kept short
    if (p != q)
      scalar = class (struct ("w", wr_conv ("scalar", p, 0), "p", p,
                              "sz", [1 1]), "widereal");
      q = p;
    endif
    x = scalar;
    x.w = wr_conv ("scalar", p, v);         # exact; NaN raises widefp:domain
    return;
  endif
  if (nargin == 3 && ischar (p) && strcmp (p, "digits"))
    x = widereal (v, words_for_digits (how));   # widereal (v, "digits", d)
    return;
  elseif (nargin == 2 && ischar (p) && ischar (v))   # widereal (re, im)
    x = complex (widereal (v), widereal (p));
    return;
  elseif (nargin == 3 && ischar (p) && ischar (v) && ! ischar (how))
    x = complex (widereal (v, how), widereal (p, how));  # widereal (re, im, p)
    return;
  elseif (nargin == 3 && ischar (p))
    error ("widefp:type",
           "widereal: the second argument must be P or \"digits\"");
  endif
  if (nargin < 2)
    p = widereal_precision ();
  elseif (! (isnumeric (p) && isreal (p) && isscalar (p) && p == fix (p)
             && p >= 1 && p <= 1023))
    error ("widefp:range", "widereal: P must be an integer from 1 to 1023");
  else
    p = double (p);
  endif
  if (nargin == 0)
    x = class (struct ("w", wr_conv ("scalar", p, 0), "p", p, "sz", [1 1]),
               "widereal");
    return;
  endif

  if (nargin >= 3)
    if (! strcmp (how, "words"))
      error ("widefp:type", "widereal: the third argument must be \"words\"");
    endif
    if (! isa (v, "uint64") || mod (numel (v), p + 1) != 0)
      error ("widefp:size",
             "widereal: W must be a uint64 array of P+1 words per element");
    endif
    n = numel (v) / (p + 1);
    if (nargin < 4)
      sz = [n 1];
    elseif (! (isnumeric (sz) && isreal (sz) && isvector (sz) && numel (sz) >= 2
               && all (sz >= 0 & sz == fix (sz))))
      error ("widefp:size",
             "widereal: SZ must be a size vector of non-negative integers");
    elseif (prod (sz) != n)
      error ("widefp:size", "widereal: SZ does not match the number of words");
    endif
    ## zeros and infinities keep only their sign and exponent word
    x = wr_new (wr_conv ("fromwords", p, v), p, double (sz(:).'));
    return;
  endif

  if (isobject (v))
    if (nargin == 1 || p == v.p)
      x = v;
    elseif (rows (v.w) > v.p + 1)           # complex: each part rounded
      x = wr_new ([wr_rnd("prec", [], p, v.w(1:v.p+1, :), v.p);
                   wr_rnd("prec", [], p, v.w(v.p+2:end, :), v.p)], p, v.sz);
    else
      x = wr_new (wr_rnd ("prec", [], p, v.w, v.p), p, v.sz);
    endif
    return;
  endif

  if (ischar (v) || iscellstr (v))
    if (p > 1022)
      error ("widefp:range", "widereal: texts are read at P up to 1022");
    endif
    if (ischar (v))
      if (rows (v) <= 1)
        v = {v};
      else
        v = cellstr (v);
      endif
    endif
    [re, im] = text_parts (v);
    if (isempty (im))
      x = wr_new (wr_rnd ("text", [], p, v), p, size (v));   # blanks dropped there
    else
      x = wr_new ([wr_rnd("text", [], p, re); wr_rnd("text", [], p, im)],
                  p, size (v));
    endif
    return;
  endif

  if ((isnumeric (v) || islogical (v)) && ! isreal (v))
    x = complex (widereal (real (v), p), widereal (imag (v), p));  # exact
    return;
  elseif (! (isnumeric (v) || islogical (v)))
    error ("widefp:type",
           "widereal: cannot convert a %s to widereal", class (v));
  endif
  x = wr_new (wr_conv ("fromnum", p, v), p, size (v));   # sparse as full
endfunction

## the fewest words p, up to 1023, with floor ((64p+1) log10 2) >= d
function p = words_for_digits (d)
  if (! (isnumeric (d) && isreal (d) && isscalar (d)))
    error ("widefp:type", "widereal: D must be a real number");
  endif
  held = floor ((64 * (1:1023) + 1) * log10 (2));
  if (! (d == fix (d) && d >= 1 && d <= held(end)))
    error ("widefp:range", "widereal: D must be an integer from 1 to %d",
           held(end));
  endif
  p = find (held >= d, 1);
endfunction

## The real and imaginary texts of the cell array of texts T when one of
## them ends in the imaginary unit i or j ("1+2i", "-i", "2.5e-3j",
## "#pi*i"; "#pi" is the constant), else IM empty.  The imaginary term is
## the last one: the text splits at its last + or - outside parentheses
## that is not the sign of an exponent, nor follows an operator.
function [re, im] = text_parts (t)
  re = t;
  im = {};
  u = regexprep (t, '\s', '');
  unit = (! cellfun (@isempty, regexp (u, '[ij]$', "once"))
          & cellfun (@isempty, regexp (u, '#pi$', "once")));
  if (! any (unit(:)))
    return;
  endif
  im = repmat ({"0"}, size (t));
  for k = find (unit(:)).'
    s = u{k}(1:end-1);
    if (! isempty (s) && s(end) == "*")
      s(end) = [];
    endif
    depth = cumsum ((s == "(") - (s == ")"));
    cut = 0;
    for j = numel (s):-1:2
      if (any (s(j) == "+-") && depth(j) == 0 && ! any (s(j-1) == "*/(+-")
          && ! (any (s(j-1) == "eE") && j > 2 && any (s(j-2) == "0123456789.")))
        cut = j;
        break;
      endif
    endfor
    b = s(cut+1:end);
    if (isempty (b) || any (b(end) == "+-"))
      b = [b "1"];                          # "i", "-i", "2+i"
    endif
    if (cut > 0)
      re{k} = s(1:cut-1);
      im{k} = [s(cut) b];
    else
      re{k} = "0";
      im{k} = b;
    endif
  endfor
endfunction

%!test
%! ## exact conversions, read back through the words
%! x = widereal ([1 -0.5; 2^-1074 -Inf]);
%! assert (size (x), [2 2]);
%! assert (double (x), [1 -0.5; 2^-1074 -Inf]);
%! assert (double (widereal (int8 ([-128 127]))), [-128 127]);
%! assert (double (widereal (true)), 1);
%!test
%! ## 64-bit integers at their limits, exactly (compared as text)
%! assert (num2str (widereal (intmax ("uint64"))), "18446744073709551615");
%! assert (num2str (widereal (intmin ("int64"))), "-9223372036854775808");
%! assert (num2str (widereal (uint64 (2^53) + 1)), "9007199254740993");
%! assert (num2str (widereal (int64 (-1))), "-1");
%!test
%! ## texts, cells and precision
%! x = widereal ({"1/3", "#pi"; "0.1", "-2"}, 8);
%! assert (precision (x), 8);
%! assert (size (x), [2 2]);
%! assert (double (x), [1/3 pi; 0.1 -2]);
%! assert (widereal ("0.1") != widereal (0.1));
%!test
%! ## raw words, extension and rounding of the precision
%! b = 0x3fffffffffffffffu64;              # the exponent word of 1
%! w = [b; 2^63; 0];                               # 1.5 at p = 2
%! x = widereal (w, 2, "words");
%! assert (double (x), 1.5);
%! assert (precision (widereal (x, 5)), 5);
%! assert (double (widereal (x, 5)), 1.5);
%! ## 1 + 2^-128 + 2^-129 at p = 3 rounds up at p = 2, down at p = 1 (to nearest)
%! y = widereal ([b; 0; 0; 3 * 2^62], 3, "words");
%! assert (widereal (y, 2) > 1);
%! assert (widereal (y, 1) == 1);
%! ## ties go to even, carries reach the exponent
%! t = [b; 1; 2^63];
%! assert (widereal (widereal (t, 2, "words"), 1) == widereal ([b; 2], 1, "words"));
%! m = [b; intmax("uint64"); 2^63];
%! assert (widereal (widereal (m, 2, "words"), 1) == 2);
%!error <NaN> widereal ([1 NaN])
%!error <Unkown constant> widereal ({"1", "#tau"})
%!error <cannot convert> widereal ({1})
%!error id=widefp:type widereal (struct ())
%!error <P must be> widereal (1, 0)
%!error <P\+1 words> widereal (uint64 ([1 2 3]), 3, "words")
%!error <SZ must be> widereal (uint64 ([1 0 1 0]), 1, "words", [2 0.5])
%!error <SZ must be> widereal (uint64 ([1 0 1 0]), 1, "words", [-1 -2])
%!assert (double (widereal (sparse ([0 2; 1.5 0]))), [0 2; 1.5 0])
%!assert (double (widereal (sparse (-3))), -3)
%!test
%! ## precision from decimal digits: the fewest p with floor ((64p+1) log10 2)
%! ## >= d; counts from exact arithmetic (19, 38, 96, 115, 19690, 19709)
%! assert (precision (widereal (1, "digits", 30)), 2);
%! assert (precision (widereal (1, "digits", 19)), 1);
%! assert (precision (widereal (1, "digits", 20)), 2);
%! assert (precision (widereal (1, "digits", 100)), 6);
%! assert (precision (widereal (1, "digits", 96)), 5);
%! assert (precision (widereal (1, "digits", 19709)), 1023);
%! x = widereal ("1/3", "digits", 19690);
%! assert (precision (x), 1022);
%! assert (x == widereal ("1/3", 1022));
%! y = widereal (x, "digits", 38);            # rounded like widereal (x, 2)
%! assert (precision (y), 2);
%! assert (y == widereal ("1/3", 2));
%! assert (precision (widereal ([1 2], "digits", int8 (77))), 4);
%!error id=widefp:range widereal (1, "digits", 0)
%!error id=widefp:range widereal (1, "digits", 19710)
%!error id=widefp:range widereal (1, "digits", 2.5)
%!error id=widefp:range widereal ("1", "digits", 19700)
%!error id=widefp:type widereal (1, "digits", "30")
%!error id=widefp:type widereal (1, "digits", [30 40])
%!error id=widefp:type widereal (1, "digit", 30)
