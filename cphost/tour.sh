#!/bin/sh
# Guided tour: runs every command of the plug-in against the default
# simulated instrument without a display, one cphost run per line of
# tour.txt, prints each transcript and leaves a PNG of every panel in the
# output folder, with the panel gallery panels.md beside them. A line that
# fails is reported and the tour goes on.
#
# Usage: cphost/tour.sh [BUILD_FOLDER] [OUTPUT_FOLDER] [DOCS_FOLDER]
# With DOCS_FOLDER (the repository's docs), the pictures are copied into
# DOCS_FOLDER/images and the gallery is written as DOCS_FOLDER/panels.md.
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-host}
out=${2:-$build/tour}
docs=${3:-}
[ -n "$docs" ] && docs=$(cd "$docs" && pwd)
bin=$(cd "$build/bin" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)  # the runs below work inside it
cd "$out" || exit 1
status=0
grep -v '^[[:space:]]*\(#\|$\)' "$here/tour.txt" > tour-lines.txt
n=0
while IFS= read -r line; do
  n=$((n + 1))
  printf '%s\n' "$line" > tour-line.txt
  echo "== $line"
  "$here/../cmake/wine-run.sh" "$bin/cphost.exe" --trace - --script tour-line.txt
  rc=$?
  [ $rc -ne 0 ] && { echo "   (exit status $rc)"; status=1; }
done < tour-lines.txt
rm -f tour-line.txt tour-lines.txt
echo "pictures in $out:"
ls "$out"/*.png 2>/dev/null && python3 "$here/png_compact.py" "$out"/*.png
python3 "$here/gallery.py" "$here/.." "$out" "$out/panels.md" "" || status=1
if [ -n "$docs" ]; then
  mkdir -p "$docs/images"
  cp "$out"/[0-9][0-9][0-9]-*.png "$docs/images/" 2>/dev/null
  python3 "$here/gallery.py" "$here/.." "$docs/images" "$docs/panels.md" "images/" || status=1
  echo "gallery: $docs/panels.md"
fi
exit $status
