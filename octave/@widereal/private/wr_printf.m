## -*- texinfo -*-
## @deftypefn {} {@var{s} =} wr_printf (@var{caller}, @var{template}, @var{args})
## The text printf would write for @var{template} and the cell array of
## arguments @var{args}, widereal elements among them written with their own
## decimal digits.  Arguments are taken element by element (column order),
## a char array element by element except that %s takes the rest of it
## whole; the template is used again while elements remain and ends at the
## first conversion that finds none.  Conversions:
## @itemize
## @item %f %e %E %g %G of a widereal: its digits, correctly rounded to
## nearest (wr_text), with the flags - + space 0 #, width and precision;
## @item %d %i %u of a widereal integer: all its digits (precision: the
## fewest digits, zero-padded); of a non-integer, %g with the same flags,
## width and precision, as Octave does for doubles;
## @item %x %o %X %c of a widereal integer of up to 15 digits: through the double;
## otherwise as %d;
## @item %s of a widereal: every digit its precision carries (%g style;
## a precision gives the significant digits);
## @item Inf and -Inf read "Inf" and "-Inf" (width, - and + apply);
## @item other arguments go to Octave's own sprintf, one conversion at a
## time; * takes a width or precision from the arguments.
## @end itemize
## @var{caller} names the function in error messages.
##
## @example
## wr_printf ("sprintf", "%.30f\n", @{widereal("1/3")@})
## @end example
## @end deftypefn
function s = wr_printf (caller, template, args)
  if (! (ischar (template) && rows (template) <= 1))
    error ("widefp:type", "%s: TEMPLATE must be a string", caller);
  endif
  segs = parse_template (caller, template);
  for k = 1:numel (args)                    # complex: the real and imaginary
    a = args{k};                            # parts as two arguments each
    if (isobject (a) && rows (a.w) > a.p + 1)
      args{k} = wr_new (reshape (a.w, a.p + 1, []), a.p, [1, 2 * columns(a.w)]);
    endif
  endfor
  items = expand (args);
  nitems = numel (items.kind);
  s = "";
  if (nitems == 0 || ! any (strcmp ({segs.type}, "conv")))
    ## no data: the template once, conversions empty
    for k = 1:numel (segs)
      if (strcmp (segs(k).type, "text"))
        s = [s segs(k).text];
      endif
    endfor
    return;
  endif
  pos = 1;                                # next item
  chr = 0;                                # chars of a char item taken so far
  while (true)
    for k = 1:numel (segs)
      g = segs(k);
      if (strcmp (g.type, "text"))
        s = [s g.text];
        continue;
      endif
      if (pos > nitems)
        return;
      endif
      width = g.width;
      prec = g.prec;
      if (g.starw || g.starp)             # * width / precision from the data
        if (g.starw)
          [v, pos, chr] = take_number (items, pos, chr);
          width = v;
          if (width < 0)
            g.flags = [g.flags "-"];
            width = -width;
          endif
        endif
        if (g.starp)
          [v, pos, chr] = take_number (items, pos, chr);
          prec = max (v, -1);
          if (prec < 0)
            prec = [];
          endif
        endif
        if (pos > nitems)
          return;
        endif
      endif
      switch (items.kind(pos))
        case 1                            # widereal element
          x = items.val{pos};
          s = [s conv_widereal(g, width, prec, x, items.isint(pos))];
          pos++;
        case 2                            # char array
          str = items.val{pos};
          tmpl = plain_template (g, width, prec);
          if (g.conv == "s")
            s = [s builtin("sprintf", tmpl, str(chr+1:end))];
            chr = numel (str);
          else
            chr++;
            s = [s builtin("sprintf", tmpl, str(chr))];
          endif
          if (chr >= numel (str))
            pos++;
            chr = 0;
          endif
        otherwise                         # other numeric element
          s = [s builtin("sprintf", plain_template (g, width, prec), items.val{pos})];
          pos++;
      endswitch
    endfor
    if (pos > nitems)
      return;
    endif
  endwhile
endfunction

## The template's pieces: literal texts and conversions.
function segs = parse_template (caller, t)
  segs = struct ("type", {}, "text", {}, "flags", {}, "width", {},
                 "prec", {}, "starw", {}, "starp", {}, "conv", {});
  pat = '%([-+ 0#]*)(\*|\d*)((?:\.(?:\*|\d*))?)[lhLqjzt]*([diouxXfFeEgGcsaA%])';
  if (any (regexprep (t, pat, "") == "%"))
    error ("widefp:format", "%s: invalid conversion in the template \"%s\"", caller, t);
  endif
  [st, en] = regexp (t, pat, "start", "end");
  last = 0;
  for k = 1:numel (st)
    lit = t(last+1:st(k)-1);
    m = t(st(k)+1:en(k));                 # after the %
    if (m(end) == "%")
      segs(end+1) = text_seg ([lit "%%"]);
      last = en(k);
      continue;
    endif
    if (! isempty (lit))
      segs(end+1) = text_seg (lit);
    endif
    g.type = "conv";
    g.text = t(st(k):en(k));
    g.conv = m(end);
    m = m(1:end-1);
    m(any (m == "lhLqjzt".', 1)) = [];   # length modifiers mean nothing here
    nf = find (! any (m == "-+ 0#".', 1), 1);
    if (isempty (nf))
      nf = numel (m) + 1;
    endif
    g.flags = m(1:nf-1);
    m = m(nf:end);
    dot = find (m == ".", 1);
    if (isempty (dot))
      w = m;
      pr = "";
    else
      w = m(1:dot-1);
      pr = m(dot:end);
    endif
    g.starw = strcmp (w, "*");
    g.width = [];
    if (! g.starw && ! isempty (w))
      g.width = str2double (w);
    endif
    g.starp = strcmp (pr, ".*");
    g.prec = [];
    if (! g.starp && ! isempty (pr))
      g.prec = str2double (["0" pr(2:end)]);
    endif
    segs(end+1) = g;
    last = en(k);
  endfor
  if (last < numel (t))
    segs(end+1) = text_seg (t(last+1:end));
  endif
endfunction

## A literal piece; its escapes and %% as Octave's sprintf reads them.
function g = text_seg (lit)
  g = struct ("type", "text", "text", builtin ("sprintf", lit), "flags", "",
              "width", [], "prec", [], "starw", false, "starp", false, "conv", "");
endfunction

## The arguments as a list of items: kind 1 a widereal element, 2 a char
## array (taken char by char or, by %s, whole), 3 another numeric element.
function items = expand (args)
  kind = [];
  val = {};
  isint = [];
  for a = 1:numel (args)
    v = args{a};
    if (isobject (v))
      n = prod (v.sz);
      if (n == 0)
        continue;
      endif
      f = wr_text ("kind", 0, v.p, v.w, 0);   # 0 fraction, 1 integer, 2 Inf
      for k = 1:n
        val{end+1} = wr_new (v.w(:, k), v.p, [1 1]);
      endfor
      kind(end+1:end+n) = 1;
      isint(end+1:end+n) = f(:).';
    elseif (ischar (v))
      if (! isempty (v))
        kind(end+1) = 2;
        val{end+1} = v(:).';
        isint(end+1) = false;
      endif
    elseif (isnumeric (v) || islogical (v))
      n = numel (v);
      val(end+1:end+n) = num2cell (v(:).');
      kind(end+1:end+n) = 3;
      isint(end+1:end+n) = false;
    else
      error ("widefp:type", "wrong type argument '%s'", class (v));
    endif
  endfor
  items = struct ("kind", kind, "isint", isint);
  items.val = val;
endfunction

## A number for a * width or precision.
function [v, pos, chr] = take_number (items, pos, chr)
  if (pos > numel (items.kind))
    v = -1;
    return;
  endif
  switch (items.kind(pos))
    case 1
      v = double (items.val{pos});
      pos++;
    case 2
      str = items.val{pos};
      chr++;
      v = double (str(chr));
      if (chr >= numel (str))
        pos++;
        chr = 0;
      endif
    otherwise
      v = double (items.val{pos});
      pos++;
  endswitch
  v = fix (v);
endfunction

## The conversion as a template of its own, * resolved.
function tmpl = plain_template (g, width, prec)
  tmpl = ["%" g.flags];
  if (! isempty (width))
    tmpl = [tmpl sprintf("%d", width)];
  endif
  if (! isempty (prec))
    tmpl = [tmpl "." sprintf("%d", prec)];
  endif
  tmpl = [tmpl g.conv];
endfunction

## One widereal element x under the conversion g.
function t = conv_widereal (g, width, prec, x, isint)
  flags = g.flags;
  c = g.conv;
  if (isint == 2)
    t = wr_text ("short", 0, x.p, x.w, 1){1};
    if (t(1) != "-" && any (flags == "+"))
      t = "+Inf";
    endif
    t = pad (t, width, flags, false);
    return;
  endif
  if (any (c == "xXoc"))
    if (isint)
      t = wr_text ("f", 0, x.p, x.w, 0){1};
      if (numel (t) <= 15)                # exact as a double
        t = builtin ("sprintf", plain_template (g, width, prec), str2double (t));
        return;
      endif
    endif
    c = "d";
  endif
  upper = any (c == "EG");
  numeric = true;
  switch (lower (c))
    case {"d", "i", "u"}
      if (isint)
        t = wr_text ("f", 0, x.p, x.w, 0){1};
        neg = t(1) == "-";
        t = t(1 + neg:end);
        if (strcmp (t, "0"))
          neg = false;                    # -0 prints as 0, as for doubles
        endif
        if (! isempty (prec))
          numeric = false;                # a precision turns the 0 flag off
          if (numel (t) < prec)
            t = [repmat("0", 1, prec - numel (t)) t];
          elseif (prec == 0 && strcmp (t, "0"))
            t = "";
          endif
        endif
        if (neg)
          t = ["-" t];
        endif
      else
        if (isempty (prec))
          prec = 6;
        endif
        t = gtext (x, prec, flags);
      endif
    case "f"
      if (isempty (prec))
        prec = 6;
      endif
      t = wr_text ("f", 0, x.p, x.w, prec){1};
      if (prec == 0 && any (flags == "#"))
        t = [t "."];
      endif
    case "e"
      if (isempty (prec))
        prec = 6;
      endif
      t = wr_text ("e", 0, x.p, x.w, prec){1};
      if (prec == 0 && any (flags == "#"))
        i = find (t == "e", 1);
        t = [t(1:i-1) "." t(i:end)];
      endif
    case "g"
      if (isempty (prec))
        prec = 6;
      endif
      t = gtext (x, prec, flags);
    otherwise                             # s, a, A
      if (isempty (prec))
        prec = wr_alldigits (x.p);
      endif
      t = wr_text ("short", 0, x.p, x.w, max (prec, 1)){1};
      numeric = false;
  endswitch
  if (upper)
    t = toupper (t);
  endif
  if (numeric && t(1) != "-")
    if (any (flags == "+"))
      t = ["+" t];
    elseif (any (flags == " "))
      t = [" " t];
    endif
  endif
  t = pad (t, width, flags, numeric);
endfunction

function t = gtext (x, prec, flags)
  if (any (flags == "#"))
    t = wr_text ("#g", 0, x.p, x.w, prec){1};
  else
    t = wr_text ("g", 0, x.p, x.w, prec){1};
  endif
endfunction

## The text t padded to the width: blanks on the left (the - flag: on the
## right), or zeros after the sign for numbers under the 0 flag.
function t = pad (t, width, flags, numeric)
  if (isempty (width) || numel (t) >= width)
    return;
  endif
  n = width - numel (t);
  if (any (flags == "-"))
    t = [t blanks(n)];
  elseif (numeric && any (flags == "0"))
    k = double (any (t(1) == "+- "));
    t = [t(1:k) repmat("0", 1, n) t(k+1:end)];
  else
    t = [blanks(n) t];
  endif
endfunction
