## -*- texinfo -*-
## @deftypefn {} {} wr_need_words (@var{w}, @var{words}, @var{name})
## Checks that @var{w} is a real numeric array of 8-byte elements (error
## @qcode{"widefp:type"}) holding at least @var{words} of them (error
## @qcode{"widefp:size"}); @var{name} names it in the message.
## @end deftypefn
function wr_need_words (w, words, name)
  if (! isnumeric (w) || ! isreal (w) || issparse (w)
      || ! any (strcmp (class (w), {"uint64", "int64", "double"})))
    error ("widefp:type", "%s must be a uint64, int64 or double array of words", name);
  endif
  if (numel (w) < words)
    error ("widefp:size", "%s holds %d words, needs %d", name, numel (w), words);
  endif
endfunction
