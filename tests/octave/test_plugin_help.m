## Every plug-in has its help text beside its .mex, and the comments-only help
## file never replaces the plug-in itself.
1;

%!test
%! folder = fileparts (which ("wr_sum"));
%! mex = dir (fullfile (folder, "wr_*.mex"));
%! assert (numel (mex) >= 28);
%! for k = 1:numel (mex)
%!   name = mex(k).name(1:end-4);
%!   assert (exist (fullfile (folder, [name ".m"]), "file") == 2, "%s: no help file", name);
%!   text = get_help_text (name);
%!   assert (strncmp (strtrim (text), [name " ("], numel (name) + 2) ...
%!           || ! isempty (regexp (text, ["^\\s*\\w+ = " name " \\("], "once")), ...
%!           "%s: help does not start with the usage line", name);
%!   assert (! isempty (strfind (text, "Example:")), "%s: help without an example", name);
%!   [~, ~, ext] = fileparts (which (name));
%!   assert (ext, ".mex");
%! endfor

%!test # the plug-in still runs with its help file beside it
%! p = 2;
%! R = wr_zeros (1, p);
%! wr_sum (R, wr_fromdouble ([1.5; 2.25], p), 2, 1, p);
%! assert (wr_todouble (R), 3.75);
