#!/usr/bin/env bash
# Makes the release of the i386 product in dist/:
#   TORVEX2-<version>-win32.zip          TORVEX2.dll, docs/install.md, romtool.exe, SHA256SUMS
#   TORVEX2-<version>-win32-symbols.zip  TORVEX2.dll.debug
#   TORVEX2-<version>-trainer-win32.zip  cphost, simulated TELVOR, KTCUSTOM, the plug-in, scenarios
# from a clean build folder (build-release, no tests). Before packaging it
# runs the DLL checks on the binaries that ship (exports, ordinals, imports,
# resources, version resource; ret N of every export and callback) and
# refuses to package when one fails; afterwards it checks the archives.
#
# Usage: scripts/release.sh [--twice] [--from BUILD_FOLDER]
#   --twice   build TORVEX2.dll a second time in another clean folder (under
#             $TMPDIR, kept when they differ) and fail when the two DLLs (or
#             their debug files) differ
#   --from B  package the build folder B (configured for the i386 product,
#             e.g. the preset's "build") instead of making build-release;
#             its binaries are brought up to date first
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
twice=0 from=
while [ $# -gt 0 ]; do
  case "$1" in
    --twice) twice=1 ;;
    --from) from=${2:?--from needs a build folder}; shift ;;
    *) echo "usage: scripts/release.sh [--twice] [--from BUILD_FOLDER]" >&2; exit 2 ;;
  esac
  shift
done
version=$(sed -n 's/^#define TORVEX_VERSION_TEXT "\(.*\)"$/\1/p' plugin/version.h)
start=$SECONDS

# clean_build FOLDER TARGET...: a new build folder of the i386 product, no tests.
clean_build() {
  local dir=$1; shift
  rm -rf "$dir"
  mkdir -p "$dir"
  local log=$dir/release-build.log
  echo "== clean build in $dir ($*)"
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVEX_TESTS=OFF >"$log" 2>&1 || { cat "$log"; return 1; }
  local t=$SECONDS
  cmake --build "$dir" -j2 --target "$@" >>"$log" 2>&1 || { tail -n 40 "$log"; return 1; }
  echo "   built in $((SECONDS - t)) s (log: $log)"
}

if [ -n "$from" ]; then
  build=$(cd "$from" && pwd)
  grep -q 'toolchain-mingw-i686' "$build/CMakeCache.txt" || { echo "release: $from is not a build of the i386 product" >&2; exit 2; }
  echo "== bringing the shipped binaries of $from up to date"
  cmake --build "$build" -j2 --target torvex_release
else
  build=$root/build-release
  clean_build "$build" torvex_release
fi
dll=$build/bin/TORVEX2.dll

echo "== DLL checks of the binaries that ship"
objdump=$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "$build/CMakeCache.txt")
telvor_src=$(sed -n 's/^TORVEX_TELVOR_SOURCE_DIR:PATH=//p' "$build/CMakeCache.txt")
if ! python3 tests/tools/check_dll.py "$dll" "$root" ||
   ! python3 tests/tools/check_ret.py "$objdump" "$dll:resources/torvex2.def" \
       "$build/bin/TELVOR.dll:${telvor_src:-telvor}/telvor.def" "$build/bin/KTCUSTOM.dll:ktcustom/ktcustom.def" \
       "$build/bin/cphost.exe"; then
  echo "release: FAILED: the DLL checks failed; nothing packaged" >&2
  exit 1
fi

if [ $twice = 1 ]; then
  # Outside the source tree, at another depth: neither folder may show.
  twin=$(mktemp -d "${TMPDIR:-/tmp}/torvex2-twin.XXXXXX")/build
  clean_build "$twin" TORVEX2
  echo "== the two builds"
  sha256sum "$dll" "$dll.debug" "$twin/bin/TORVEX2.dll" "$twin/bin/TORVEX2.dll.debug"
  if ! cmp "$dll" "$twin/bin/TORVEX2.dll" || ! cmp "$dll.debug" "$twin/bin/TORVEX2.dll.debug"; then
    echo "release: FAILED: two builds of the same sources differ (the second is kept in $twin)" >&2
    exit 1
  fi
  echo "   identical: TORVEX2.dll and TORVEX2.dll.debug"
  rm -rf "$(dirname "$twin")"
fi

echo "== packages"
# The archives' file times are the commit's, not the packaging time's.
epoch=$(git log -1 --format=%ct 2>/dev/null || echo 0)
rm -rf "$build/cpack"
(cd "$build" && SOURCE_DATE_EPOCH=$epoch cpack -B "$build/cpack" >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; exit 1; }
mkdir -p dist
rm -f dist/TORVEX2-*.zip
mv "$build"/cpack/TORVEX2-*.zip dist/
python3 tests/tools/check_package.py dist "$root" || { echo "release: FAILED: the archives are not as they must be" >&2; exit 1; }

echo "== release $version ($(git describe --always --dirty 2>/dev/null || echo 'no git')) in $root/dist, $((SECONDS - start)) s"
(cd dist && ls -l TORVEX2-*.zip && sha256sum TORVEX2-*.zip)
echo "TORVEX2.dll: $(sha256sum "$dll" | cut -d' ' -f1)"
