#!/bin/sh
# Runs a 32-bit Windows program of this project under Wine (Debian's wine32).
#
# The Wine prefix is private to the build folder (the first parent holding
# CMakeCache.txt) unless TORVEX_WINEPREFIX names one, and is made on first
# use. Without a DISPLAY, Wine's null display driver is used: windows,
# dialogs and message loops are real, nothing is drawn on a screen.
#
# Exit 77 (CTest's "skipped") when this machine cannot run 32-bit x86 code at
# all: some kernels are built or booted without IA-32 emulation, and then
# neither wine32 nor Wine's WoW64 mode can execute a single 32-bit
# instruction. The reason is printed, so a skipped run is never mistaken for
# a passing one.
set -eu
prog=$1
case "$prog" in /*) ;; *) prog="$(pwd)/$prog" ;; esac
shift

# PE32 (i386) programs run in Debian's wine32, PE32+ (x86-64) ones in wine64.
pe=$(od -An -tu4 -j60 -N4 "$prog" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$prog" | tr -d ' ')
if [ "$machine" = 8664 ]; then
  loader=/usr/lib/wine/wine64 arch=win64
else
  loader=/usr/lib/wine/wine arch=win32
fi
if ! "$loader" --version >/dev/null 2>&1; then
  if [ -e "$loader" ]; then
    echo "wine-run: SKIPPED: this kernel cannot execute 32-bit x86 programs ($loader: $("$loader" --version 2>&1 | tail -n1 | sed 's/.*: //'))" >&2
  else
    echo "wine-run: SKIPPED: $loader is not installed (scripts/install-deps.sh)" >&2
  fi
  exit 77
fi

if [ -z "${TORVEX_WINEPREFIX:-}" ]; then
  b=$(dirname "$prog")
  while [ "$b" != / ] && [ ! -f "$b/CMakeCache.txt" ]; do b=$(dirname "$b"); done
  [ "$b" = / ] && b=$(dirname "$prog")
  TORVEX_WINEPREFIX="$b/wineprefix"
fi
export WINEPREFIX="$TORVEX_WINEPREFIX" WINEARCH=$arch
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
# The 64-bit wine server serves both loaders.
server=wineserver
[ -x /usr/lib/wine/wineserver64 ] && server=/usr/lib/wine/wineserver64
export WINESERVER="$server"
# With a display, windows are left unmanaged: an X display without a window
# manager (Xvfb) would otherwise show them without their frame, because Wine
# leaves the title bar and border of a managed window to the manager. An
# unmanaged window is drawn whole by Wine itself, caption included.
driver=null setup=null
[ -n "${DISPLAY:-}" ] && driver=x11 setup=x11-unmanaged
if [ ! -f "$WINEPREFIX/.torvex-$setup" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.torvex-$setup" ]; then
      "$loader" wineboot -i >/dev/null 2>&1 || true
      "$loader" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d $driver /f >/dev/null 2>&1 || true
      if [ $driver = x11 ]; then
        "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
        # The caption buttons' glyphs come from Marlett (Debian: fonts-wine),
        # which Wine looks for among the prefix's fonts.
        [ -f /usr/share/wine/fonts/marlett.ttf ] &&
          cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
      fi
      "$server" -w || true
      rm -f "$WINEPREFIX"/.torvex-*
      touch "$WINEPREFIX/.torvex-$setup"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec "$loader" "$prog" "$@"
