## -*- texinfo -*-
## @deftypefn {} {[@var{args}, @var{proto}] =} wr_likeargs (@var{args})
## The arguments of zeros, ones or eye, with a trailing @qcode{"like"},
## @var{x} pair taken off when @var{x} is a widereal (@var{proto} is then
## @var{x}, else empty) and every widereal dimension converted to double.
##
## @example
## [args, proto] = wr_likeargs (varargin);
## @end example
## @end deftypefn
function [args, proto] = wr_likeargs (args)
  proto = [];
  n = numel (args);
  if (n >= 2 && ischar (args{n-1}) && strcmpi (args{n-1}, "like")
      && isobject (args{n}) && isobject (args{n}))
    proto = args{n};
    args(n-1:n) = [];
  endif
  args = wr_plainargs (args);
endfunction
