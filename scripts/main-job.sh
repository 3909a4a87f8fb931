#!/usr/bin/env bash
# The main job: builds the plug-in, the simulated instrument and cphost,
# shows what the host sees of the plug-in (exports, imports, resources), and
# runs the guided tour -- every command against the default simulated
# instrument, headless under Xvfb, a PNG of every panel in build/tour and the
# transcripts on standard output -- which also refreshes the pictures in
# docs/images and writes the panel gallery docs/panels.md -- and ends by
# making the release packages in dist/ (scripts/release.sh), printing where
# they are and their SHA-256 sums. Run as root on a fresh Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset wine
# What ships and what the tour runs; scripts/test.sh builds the tests.
cmake --build --preset wine -j2 --target torvex_release

echo "== TORVEX2.dll as the host sees it"
python3 tests/tools/check_dll.py build/bin/TORVEX2.dll .

# The tour runs the product (i386) under wine32. On a kernel that cannot
# execute 32-bit x86 code it runs the verification build under wine64.
build=build
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "== this kernel cannot execute 32-bit x86 programs: the tour runs the x86-64 verification build"
  cmake --preset wine64
  cmake --build --preset wine64 -j2 --target torvex_release
  build=build-x64
fi
echo "== guided tour"
tour=0
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x1024x24" bash cphost/tour.sh "$build" "$build/tour" docs || tour=$?
else
  bash cphost/tour.sh "$build" "$build/tour" docs || tour=$?
fi

# The release packages, from the i386 build above; a second clean build of
# TORVEX2.dll must come out byte for byte the same.
echo "== release packages"
bash scripts/release.sh --from build --twice
exit $tour
