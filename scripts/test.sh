#!/usr/bin/env bash
# Builds everything and runs every test. Run as root on a fresh Debian 12
# machine: it installs what is missing first.
#
#   1. the product: the 32-bit Windows build (TORVEX2.dll, TELVOR.dll,
#      KTCUSTOM.dll, cphost.exe and the GoogleTest programs) and its CTest
#      suite, the programs under wine32, the checks that read the PE files;
#   2. the verification build: the same sources for 64-bit Windows under
#      wine64;
#   3. the native build of the portable logic with ASan/UBSan and its tests;
#   4. the libFuzzer targets (clang), a few seconds each from their seed corpora.
#
# What runs where is chosen by CTest labels (tests/CMakeLists.txt), so a new
# test is picked up without touching this script:
#
# - Where this kernel runs 32-bit x86 code (wine32 starts), the product's
#   whole suite runs natively: every test but those labelled "long" (the
#   long forms, run by hand) and "subset" (parts of programs that run whole
#   here). The x86-64 twin then builds only what its "twin" tests need and
#   runs them (the spine and the host records at 64-bit pointer width): the
#   rest of its suite would repeat the product's. The twin, the native suite
#   and the fuzz targets build and run, at a lower priority, while the
#   product's suite runs (that suite mostly waits on Wine's timers; their
#   output follows it).
# - Where it does not, cmake/i386-guest.sh runs the product's "smoke" subset
#   (the spine, one panel of each kind, the memory commands but the 100 MB
#   restore, the DLL checks) in one boot of an emulated x86-64 guest, and the
#   x86-64 twin builds everything and runs its whole suite (but "long"), its
#   reliability runs with the full fault matrix and 50 soak cycles.
#   TORVEX_I386_SUITE=all runs the whole product suite in the guest too (far
#   longer).
#
# Each part's result and time are reported on their own line at the end; the
# status is non-zero if any part failed.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh || exit 1

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
part() {  # part NAME COMMAND...: runs a part, records its status and time
  local name=$1 start=$SECONDS rc=0
  shift
  echo "== $name"
  "$@" || rc=$?
  echo "$([ $rc = 0 ] && echo passed || echo "FAILED (status $rc)") in $((SECONDS - start)) s" > "$results/$name"
  return $rc
}
build() { cmake --preset "$1" && cmake --build --preset "$1" -j2 "${@:2}"; }
native() {
  cmake -S tests/native -B build-native -G Ninja -DCMAKE_BUILD_TYPE=Debug &&
    cmake --build build-native -j2 && ctest --test-dir build-native --output-on-failure
}
# A short run of every libFuzzer target from its seed corpus (the long run: tests/fuzz/run.sh).
fuzz() {
  CXX=clang++ cmake -S tests/fuzz -B build-fuzz -G Ninja &&
    cmake --build build-fuzz -j2 && ctest --test-dir build-fuzz --output-on-failure
}
# twin_tests: the programs of the tests labelled "twin" and what they need.
twin() { build wine64 --target twin_tests && ctest --preset wine64 -L '^twin$'; }
others() {
  part "x86-64 twin (build, twin tests)" twin
  part "native build and suite" native
  part "fuzz targets" fuzz
}

start=$SECONDS
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  order=("i386 build" "i386 product suite" "x86-64 twin (build, twin tests)" "native build and suite" "fuzz targets")
  if part "i386 build" build wine; then
    log=$results/others.log
    # At a lower priority: the product's suite, timed by its dialogs' steps,
    # keeps the processor it needs and the builds take what it leaves.
    (renice -n 10 -p $BASHPID >/dev/null; others) > "$log" 2>&1 &
    lane=$!
    part "i386 product suite" bash cmake/i386-guest.sh build --output-on-failure -LE '^(long|subset)$'
    wait $lane
    cat "$log"
  else
    others
  fi
else
  order=("i386 build" "i386 product suite" "x86-64 build" "x86-64 suite" "native build and suite" "fuzz targets")
  i386_args=(--output-on-failure -L '^smoke$')
  [ "${TORVEX_I386_SUITE:-product}" = all ] && i386_args=(--output-on-failure -LE '^(long|subset)$')
  part "i386 build" build wine &&
    part "i386 product suite" bash cmake/i386-guest.sh build "${i386_args[@]}"
  # The twin stands in for the product here: its reliability runs keep the
  # full fault matrix and 50 soak cycles.
  part "x86-64 build" build wine64 &&
    part "x86-64 suite" env TORVEX_RELIABILITY=full TORVEX_SOAK_CYCLES=50 ctest --preset wine64 -LE '^long$'
  part "native build and suite" native
  part "fuzz targets" fuzz
fi

echo "== results"
status=0
for name in "${order[@]}"; do
  r=$(cat "$results/$name" 2>/dev/null || echo "not run")
  printf '%-32s %s\n' "$name" "$r"
  case "$r" in passed*) ;; *) status=1 ;; esac
done
echo "all parts: $((SECONDS - start)) s"
exit $status
