#!/usr/bin/env bash
# Builds everything and runs every test. Run as root on a fresh Debian 12
# machine: it installs what is missing first.
#
#   1. the 32-bit Windows build (TORVEX2.dll, TELVOR.dll, KTCUSTOM.dll,
#      cphost.exe and the GoogleTest programs) and its CTest suite: the
#      programs run under Wine; the DLL layout check reads the PE file;
#   2. the native build of the portable core with ASan/UBSan and its tests.
#
# On a kernel that cannot execute 32-bit x86 code, Wine cannot run at all;
# the Wine tests then report "skipped" with the reason and everything else
# still runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset wine
cmake --build --preset wine -j2
ctest --preset wine

cmake -S tests/native -B build-native -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build-native -j2
ctest --test-dir build-native --output-on-failure
