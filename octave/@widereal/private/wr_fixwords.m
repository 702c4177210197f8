## -*- texinfo -*-
## @deftypefn {} {[@var{F}, @var{frac}, @var{half}] =} wr_fixwords (@var{W}, @var{p})
## Integer parts, truncated toward zero, of the elements whose words are
## the columns of @var{W} (precision @var{p}), by clearing the fraction
## bits below the binary point: exact.  @var{frac} is true where a nonzero
## fraction was cleared, @var{half} where it was at least 1/2.  Zeros and
## infinities are their own integer parts.
##
## @example
## [F, frac, half] = wr_fixwords (x.w, x.p);
## @end example
## @end deftypefn
function [F, frac, half] = wr_fixwords (W, p)
  n = columns (W);
  F = W;
  frac = false (1, n);
  half = false (1, n);
  if (n == 0)
    return;
  endif
  bias = 0x3fffffffffffffffu64;
  field = bitand (W(1, :), 0x7fffffffffffffffu64);
  special = field == 0 | field == 0x7fffffffffffffffu64;
  e = double (field - bias) - double (bias - field);   # unbiased, exact where it matters
  small = ! special & e < 0;                 # |x| < 1: a signed zero
  F(1, small) = bitand (W(1, small), 0x8000000000000000u64);
  F(2:end, small) = 0;
  frac(small) = true;
  half(small) = e(small) == -1;
  cut = ! special & e >= 0 & e < 64 * p;     # bits below the point to clear
  if (! any (cut))
    return;
  endif
  e = e(cut);
  Fc = F(:, cut);
  lost = false (1, numel (e));
  hb = false (1, numel (e));
  allones = intmax ("uint64");
  for j = 1:p
    kept = min (max (e - 64 * (j - 1), 0), 64);        # bits of word j kept
    mask = bitshift (allones, -(64 - kept)) ;          # low bits set...
    mask = bitshift (mask, 64 - kept);                 # ...moved to the top
    mask(kept == 0) = 0;
    word = Fc(j + 1, :);
    lost |= bitand (word, bitcmp (mask)) != 0;
    h = kept < 64 & e >= 64 * (j - 1);                 # the 1/2 bit is in word j
    if (any (h))
      hb(h) = bitand (word(h), bitshift (uint64 (1), 63 - kept(h))) != 0;
    endif
    Fc(j + 1, :) = bitand (word, mask);
  endfor
  F(:, cut) = Fc;
  frac(cut) = lost;
  half(cut) = hb;
endfunction
