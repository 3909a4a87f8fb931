#!/usr/bin/env bash
# The main job: builds the plug-in, the simulated instrument and cphost,
# shows what the host sees of the plug-in (exports, imports, resources), and
# runs the guided tour -- every command against the default simulated
# instrument, headless under Xvfb, a PNG of every panel in build/tour and the
# transcripts on standard output. Run as root on a fresh Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset wine
cmake --build --preset wine -j2

echo "== TORVEX2.dll as the host sees it"
python3 tests/tools/check_dll.py build/bin/TORVEX2.dll .

if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "== guided tour not run: this kernel cannot execute 32-bit x86 programs, so Wine cannot start here"
  exit 0
fi
echo "== guided tour"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash cphost/tour.sh build build/tour
fi
exec bash cphost/tour.sh build build/tour
