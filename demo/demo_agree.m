## demo_agree.m -- correct decimal digits of the widereal a against the
## reference b: -log10 |a - b| / |b|, formed in widereal arithmetic (the
## error may be far below the double range), Inf when they are equal.
function d = demo_agree (a, b)
  rel = abs (a - b) / abs (b);
  if (rel == 0)
    d = Inf;
    return;
  endif
  t = num2str (rel, 4);                   # m.mmme-NNN
  k = find (t == "e", 1);
  if (isempty (k))
    d = -log10 (str2double (t));
  else
    d = -(str2double (t(k+1:end)) + log10 (str2double (t(1:k-1))));
  endif
endfunction
