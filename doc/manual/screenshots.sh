#!/bin/sh
# Takes the manual's pictures again from the sample practice, so that they show the program as it is:
#   doc/manual/screenshots.sh [BUILD_FOLDER]     (default: build; needs xvfb-run from the Debian package xvfb)
set -eu
manual=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$manual/../../build}" && pwd)
command -v xvfb-run >/dev/null || { echo "xvfb-run not found: install the Debian package xvfb" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/bin/quillon-sample" --out "$scratch/practice" >/dev/null
# The manual is English: so are its pictures, whatever the desktop's language.
export LANGUAGE=en LC_ALL=C.UTF-8
# A settings folder of its own: no remembered window or visit changes the pictures.
export XDG_CONFIG_HOME="$scratch/config"
mkdir -p "$manual/images"
for scene in start chart mineral; do
  xvfb-run -a -s "-screen 0 1280x800x24" \
    "$build/bin/quillon" --screenshot "$manual/images/$scene.png" --show "$scene" "$scratch/practice"
  echo "$manual/images/$scene.png"
done
