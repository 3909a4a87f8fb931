#!/usr/bin/env bash
# The performance benchmark: what the plug-in adds to the instrument link per
# exchange, per poll tick and per open and close of every panel, and for
# ReadRom/WriteRom, against the simulator with no latency and with 1 ms per
# exchange. Writes docs/performance.md. Run on a quiet machine, as root on a
# fresh Debian 12 machine (installs what is missing first):
#
#   scripts/bench.sh [--rounds N] [--ticks N]
#
# The product (i386) runs where this kernel can execute 32-bit code, else the
# x86-64 verification build of the same sources.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
preset=wine build=build
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=wine64 build=build-x64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2 --target perf_bench cphost
out=$build/bin/perf-report.md
rm -f "$out"
( cd "$build/bin" && ../../cmake/wine-run.sh ./perf_bench.exe --out perf-report.md "$@" )
{
  cat "$out"
  echo "## The machine"
  echo
  echo "- build: \`$preset\` ($( [ "$preset" = wine ] && echo 'the i386 product under wine32' || echo 'the x86-64 verification build under wine64: this kernel cannot execute 32-bit code' ))"
  echo "- $(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
  echo "- $(free -g | awk '/Mem:/ {print $2}') GiB memory; $(uname -sr); $(wine --version 2>/dev/null || true)"
  echo "- load average when the run ended: $(cut -d' ' -f1-3 /proc/loadavg)"
} > docs/performance.md
echo "wrote docs/performance.md"
