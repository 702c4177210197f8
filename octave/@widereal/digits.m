## -*- texinfo -*-
## @deftypefn {} {@var{d} =} digits (@var{x})
## The precision of the widereal @var{x} in decimal digits: @var{x} has
## p = @code{precision (@var{x})} words, 64p+1 significant bits, and so holds
## @code{floor ((64*p+1) * log10 (2))} full decimal digits (the largest
## @var{d} with 10^@var{d} <= 2^(64p+1)).  @code{widereal_digits} lists
## the digits of common precisions.
##
## @example
## digits (widereal (1, 6))              # 115
## digits (widereal (1, "digits", 100))  # 115 too: 6 words
## @end example
## @seealso{precision, widereal_digits}
## @end deftypefn
function d = digits (x)
  d = floor ((64 * x.p + 1) * log10 (2));
endfunction

## counts from exact arithmetic: the number of decimal digits of 2^(64p+1),
## less one
%!assert (digits (widereal (1, 1)), 19)
%!assert (digits (widereal (-Inf, 5)), 96)
%!assert (digits (widereal ([1 2; 3 4], 6)), 115)
%!assert (digits (widereal (0, 64)), 1233)
%!assert (digits (widereal (1, 1023)), 19709)
%!assert (digits (widereal (1, "digits", 39)), 58)
