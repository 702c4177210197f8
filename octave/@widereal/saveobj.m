## -*- texinfo -*-
## @deftypefn {} {@var{y} =} saveobj (@var{x})
## Called by @code{save} for each widereal it writes; returns @var{x}
## unchanged.  The formats -text, -binary, -mat, -v6, -v7 (and their
## -float and -mat7 variants) store the words exactly and @code{load}
## gives back the same object.  Octave cannot read objects of old-style
## classes back from HDF5 files, so a save with -hdf5 is refused with the
## error @code{widefp:save} instead of writing a file that loses the
## variable: where the system shows its open files (/proc/self/fd), the
## file save has just opened is recognised by the HDF5 signature at its
## start.
##
## @example
## x = widereal ("1/3");
## save ("-binary", "x.dat", "x");   # exact; save ("-hdf5", ...) refuses
## @end example
## @seealso{widereal}
## @end deftypefn
function y = saveobj (x)
  if (writing_hdf5 ())
    error ("widefp:save",
           ["save: a widereal cannot be stored in an HDF5 file (Octave does not ", ...
            "read such objects back); use -binary, -text, -mat or -v7, which keep ", ...
            "it exactly"]);
  endif
  y = x;
endfunction

## Whether the regular file opened last (the highest descriptor) starts
## with the HDF5 signature: the file save is writing, whose header the
## HDF5 library has already written (the other formats' files are still
## empty then).
function tf = writing_hdf5 ()
  tf = false;
  [names, err] = readdir ("/proc/self/fd");
  if (err != 0)
    return;
  endif
  fds = sort (str2double (names(:).'), "descend");
  for fd = fds(isfinite (fds))
    [target, err] = readlink (sprintf ("/proc/self/fd/%d", fd));
    if (err != 0 || ! strncmp (target, "/", 1))
      continue;
    endif
    [info, err] = stat (target);
    if (err != 0 || ! S_ISREG (info.mode))
      continue;
    endif
    fid = fopen (target, "r");
    if (fid < 0)
      return;
    endif
    sig = fread (fid, 8, "uint8=>uint8").';
    fclose (fid);
    tf = isequal (sig, uint8 ([137 72 68 70 13 10 26 10]));
    return;
  endfor
endfunction
