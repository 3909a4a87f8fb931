#!/usr/bin/env bash
# The mutation run of the plug-in's own sources, by hand (not part of the
# test command): N small faults planted one at a time in plugin/, link/,
# fields/, dialogs/ and memory/ (TORVEX2.dll only; not cphost, the simulator
# or the tests), each rebuilt incrementally and run against the product's
# test programs (spine, panels, memory, host, the DLL checks) until one
# fails. Writes the table with the score to OUT (default
# build-mutation/mutation.md).
#
#   tests/mutation/run.sh [--count N] [--seed S] [--only ID,ID] [--with-reliability]
#   tests/mutation/run.sh list            # every candidate mutant
#
# It mutates the files of this work tree in place and puts each back, so run
# it on a clean tree and do not edit while it runs. The i386 product must
# run here (wine32); about 30 s a caught mutant, 2 minutes a survivor.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ "${1:-}" = list ]; then
  exec python3 tests/mutation/mutate.py list --source .
fi
if [ -n "$(git status --porcelain -- plugin link fields dialogs memory 2>/dev/null)" ]; then
  echo "mutation: plugin/, link/, fields/, dialogs/ or memory/ has uncommitted changes; commit or stash them first" >&2
  exit 2
fi
build=${TORVEX_MUTATION_BUILD:-build-mutation}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# The portable sources run natively too, under ASan and UBSan.
if [ ! -f "$build-native/CMakeCache.txt" ]; then
  cmake -S tests/native -B "$build-native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
out=${TORVEX_MUTATION_OUT:-$build/mutation.md}
python3 tests/mutation/mutate.py run --source . --build "$build" --out "$out" "$@"
cat "$out"
