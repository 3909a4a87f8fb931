#!/usr/bin/env bash
# Builds everything and runs every test. Run as root on a fresh Debian 12
# machine: it installs what is missing first.
#
#   1. the product: the 32-bit Windows build (TORVEX2.dll, TELVOR.dll,
#      KTCUSTOM.dll, cphost.exe and the GoogleTest programs) and its CTest
#      suite, the programs under wine32, the DLL layout check on the PE file;
#   2. the verification build: the same sources for 64-bit Windows and the
#      same suite under wine64;
#   3. the native build of the portable logic with ASan/UBSan and its tests;
#   4. the libFuzzer targets (clang), a few seconds each from their seed corpora.
#
# On a kernel that cannot execute 32-bit x86 code, wine32 cannot run at all;
# the product's Wine tests then report "skipped" with the reason, and the
# end-to-end behaviour is still exercised by the verification build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset wine
cmake --build --preset wine -j2
ctest --preset wine

cmake --preset wine64
cmake --build --preset wine64 -j2
ctest --preset wine64

cmake -S tests/native -B build-native -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build-native -j2
ctest --test-dir build-native --output-on-failure

# Fuzzing: a short run of every target (the long run: tests/fuzz/run.sh).
CXX=clang++ cmake -S tests/fuzz -B build-fuzz -G Ninja
cmake --build build-fuzz -j2
ctest --test-dir build-fuzz --output-on-failure
