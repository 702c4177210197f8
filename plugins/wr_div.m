## -*- texinfo -*-
## @deftypefn {} {} wr_div (@var{R}, @var{X}, @var{Y}, @var{count}, @var{p})
## Element-wise quotients in place: R_i = X_i / Y_i for i = 0 @dots{}
## @var{count}-1, elements of precision @var{p} (p+1 uint64 words each,
## 1 <= p < 2^31).  Each quotient is truncated toward zero to p fraction
## words.  x/0 gives an infinity of the sign of x (0/0 included), 0/x a
## signed zero; zero and infinite results have their fraction words cleared.
## @var{R} must be a fresh, unshared array: it is written in place.
##
## @example
## p = 2; R = zeros (p + 1, 1, "uint64");
## wr_div (R, wr_fromdouble (1, p), wr_fromdouble (3, p), 1, p);
## wr_todouble (R)      # 0.3333...
## @end example
## @end deftypefn
