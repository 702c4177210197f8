## -*- texinfo -*-
## @deftypefn {} {} wr_sqrt (@var{R}, @var{X}, @var{count}, @var{p}, @var{work})
## Element-wise square roots in place: R_i = sqrt (X_i) for i = 0 @dots{}
## @var{count}-1, elements of precision @var{p} (p+1 uint64 words each,
## 2 <= p < 2^31).  @var{work} is scratch of at least 4p+8 words.  The roots
## come from Newton's iteration and are not rounded: they may be a few units
## of the last place off the truncated root.  sqrt (+-0) = +-0 and
## sqrt (Inf) = Inf.  A negative element raises @code{widefp:domain} before
## anything is written.  @var{R} must be a fresh, unshared array.
##
## @example
## p = 2; R = zeros (p + 1, 1, "uint64");
## wr_sqrt (R, wr_fromdouble (2, p), 1, p, zeros (4 * p + 8, 1, "uint64"));
## wr_todouble (R)      # 1.4142...
## @end example
## @end deftypefn
