#!/bin/bash
# Installs the Debian packages the build needs, when any is missing.
set -e
pkgs="cmake g++ libgtest-dev libbenchmark-dev libgmp-dev libmpfr-dev octave octave-dev clang libclang-rt-14-dev"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq $missing >/dev/null
fi
