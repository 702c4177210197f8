#!/bin/bash
# Writes build/widefp-VERSION.tar.gz (or into the folder given as the first
# argument), the Octave package: DESCRIPTION,
# COPYING, INDEX, NEWS; inst/ with the widereal class and the Octave
# helpers; src/ with the Makefile, the library's sources (those CMakeLists.txt
# lists) and headers, the plug-in sources and the plug-ins' help texts.  VERSION is the library's (CMakeLists.txt), and
# package/DESCRIPTION must carry the same.
set -e
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(widefp VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
desc_version=$(sed -n 's/^Version: *//p' package/DESCRIPTION)
if [ -z "$version" ] || [ "$version" != "$desc_version" ]; then
  echo "make_package: library version '$version' and package/DESCRIPTION '$desc_version' differ" >&2
  exit 1
fi
name=widefp-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
top=$stage/$name
mkdir -p "$top/inst" "$top/src/plugins" "$top/src/help"
cp package/DESCRIPTION package/COPYING package/INDEX package/NEWS "$top/"
cp -r octave/. "$top/inst/"
cp package/src/Makefile "$top/src/"
# The library's sources are those CMakeLists.txt lists in WIDEFP_SOURCES
# (a file lying in a source folder but not listed stays out); the headers
# of every folder of widefp/ go with them.
sources=$(sed -n '/^set(WIDEFP_SOURCES/,/^)/{s/^ *\(widefp\/[^ ]*\.cpp\).*/\1/p}' CMakeLists.txt)
if [ -z "$sources" ]; then
  echo "make_package: no WIDEFP_SOURCES found in CMakeLists.txt" >&2
  exit 1
fi
for f in $sources; do
  mkdir -p "$top/src/$(dirname "$f")"
  cp "$f" "$top/src/$f"
done
for dir in widefp/*/; do
  mkdir -p "$top/src/$dir"
  find "$dir" -maxdepth 1 -type f -name '*.h' -exec cp {} "$top/src/$dir" \;
done
cp plugins/wr_*.cpp plugins/*.h "$top/src/plugins/"
if ls plugins/wr_*.m >/dev/null 2>&1; then cp plugins/wr_*.m "$top/src/help/"; fi
out=${1:-build}
mkdir -p "$out"
tar -C "$stage" -czf "$out/$name.tar.gz" "$name"
echo "$out/$name.tar.gz"
