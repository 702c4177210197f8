## Every plug-in fed random wrong arguments: each call either works or raises
## an Octave error; the session never ends and valid calls still work after.
1;

%!function args = random_args (rng_state, nargs)
%!  rand ("state", rng_state);
%!  args = cell (1, nargs);
%!  for k = 1:nargs
%!    switch (randi (12))
%!      case 1, args{k} = zeros (randi (40), 1, "uint64");
%!      case 2, args{k} = uint64 ([]);
%!      case 3, args{k} = -randi (5);
%!      case 4, args{k} = NaN;
%!      case 5, args{k} = Inf;
%!      case 6, args{k} = 2^31 + randi (10);
%!      case 7, args{k} = "text";
%!      case 8, args{k} = randi (6);
%!      case 9, args{k} = {1};
%!      case 10, args{k} = complex (1, 1);
%!      case 11, args{k} = 2^63;
%!      case 12, args{k} = zeros (randi (200), 1);
%!    endswitch
%!  endfor
%!endfunction

%!test
%! plugins = {"wr_todouble", "wr_sum", "wr_prod", "wr_sum_all", "wr_scale", "wr_dot", ...
%!            "wr_matmul", "wr_mul", "wr_sub", "wr_rand", "wr_lu", "wr_inv", "wr_solve", ...
%!            "wr_det", "wr_qr", "wr_svd", "wr_parse", "wr_const", "wr_sci_format", ...
%!            "wr_fix_format", "wr_todecimal", "wr_exp", "wr_log", "wr_pow", "wr_sin", ...
%!            "wr_cos", "wr_atan", "wr_asin"};
%! arity = [1 5 5 4 5 5 8 4 4 3 6 4 5 4 8 9 3 3 3 3 4 4 5 6 4 4 5 4];
%! calls = 0;
%! failures = 0;
%! for i = 1:numel (plugins)
%!   for trial = 1:60
%!     rand ("state", trial);
%!     if (rand () < 0.8)
%!       nargs = arity(i);
%!     else
%!       nargs = randi (10) - 1;
%!     endif
%!     args = random_args (1000 * i + trial, nargs);
%!     try
%!       feval (plugins{i}, args{:});
%!     catch err
%!       failures++;
%!       assert (strncmp (err.identifier, "widefp:", 7), ...
%!               sprintf ("%s: identifier '%s' (%s)", plugins{i}, err.identifier, err.message));
%!     end_try_catch
%!     calls++;
%!   endfor
%! endfor
%! assert (calls, 60 * numel (plugins));
%! assert (failures > 0.5 * calls);   # most random argument lists are wrong
%! ## the session goes on and valid calls still work
%! p = 2;
%! r = wr_zeros (1, p);
%! wr_sum_all (r, [wr_fromdouble(1.5, p); wr_fromdouble(2.25, p)], 2, p);
%! assert (wr_todouble (r), 3.75);
