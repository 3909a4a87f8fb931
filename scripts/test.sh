#!/usr/bin/env bash
# Builds everything and runs every test. Run as root on a fresh Debian 12
# machine: it installs what is missing first.
#
#   1. the product: the 32-bit Windows build (TORVEX2.dll, TELVOR.dll,
#      KTCUSTOM.dll, cphost.exe and the GoogleTest programs) and its CTest
#      suite, the programs under wine32, the checks that read the PE files;
#   2. the verification build: the same sources for 64-bit Windows and the
#      same suite under wine64;
#   3. the native build of the portable logic with ASan/UBSan and its tests;
#   4. the libFuzzer targets (clang), a few seconds each from their seed corpora.
#
# On a kernel that cannot execute 32-bit x86 code, cmake/i386-guest.sh runs
# the product's suite in one boot of an emulated x86-64 guest whose kernel
# can. There it runs a subset that exercises TORVEX2.dll: the spine (exports,
# host services, channel, FPU precision), the DLL checks, one panel of each
# kind (panel_smoke) and the memory commands without the 100 MB file
# (memory_smoke); the x86-64 build runs everything. TORVEX_I386_SUITE=all
# runs the whole suite in the guest too (far longer). Each part's
# result is reported on its own at the end; the status is non-zero if any
# part failed.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh || exit 1

declare -A result
part() {  # part NAME COMMAND...: runs a part, records its status
  local name=$1 start=$SECONDS rc=0
  shift
  echo "== $name"
  "$@" || rc=$?
  result[$name]="$([ $rc = 0 ] && echo passed || echo "FAILED (status $rc)") in $((SECONDS - start)) s"
  return $rc
}
build() { cmake --preset "$1" && cmake --build --preset "$1" -j2; }

i386_args=(--output-on-failure)
if ! /usr/lib/wine/wine --version >/dev/null 2>&1 && [ "${TORVEX_I386_SUITE:-product}" != all ]; then
  i386_args+=(-R '^(spine_tests|panel_smoke|memory_smoke|dll_.*)$')
fi
order=("i386 build" "i386 product suite" "x86-64 build" "x86-64 suite" "native build and suite" "fuzz targets")
part "i386 build" build wine &&
  part "i386 product suite" bash cmake/i386-guest.sh build "${i386_args[@]}"
part "x86-64 build" build wine64 &&
  part "x86-64 suite" ctest --preset wine64
part "native build and suite" bash -c 'cmake -S tests/native -B build-native -G Ninja -DCMAKE_BUILD_TYPE=Debug &&
  cmake --build build-native -j2 && ctest --test-dir build-native --output-on-failure'
# A short run of every libFuzzer target from its seed corpus (the long run: tests/fuzz/run.sh).
part "fuzz targets" bash -c 'CXX=clang++ cmake -S tests/fuzz -B build-fuzz -G Ninja &&
  cmake --build build-fuzz -j2 && ctest --test-dir build-fuzz --output-on-failure'

echo "== results"
status=0
for name in "${order[@]}"; do
  printf '%-24s %s\n' "$name" "${result[$name]:-not run}"
  case "${result[$name]:-not run}" in passed*) ;; *) status=1 ;; esac
done
exit $status
