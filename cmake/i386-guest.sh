#!/bin/sh
# i386-guest.sh BUILD_DIR [CTEST_ARGS...]
#
# Runs the CTest suite of an i386 build folder where its 32-bit programs can
# execute:
#
# - on this machine itself when its kernel runs 32-bit x86 code (then this is
#   just `ctest --test-dir BUILD_DIR CTEST_ARGS...`);
# - otherwise in ONE boot of an emulated x86-64 guest (qemu-system-x86_64,
#   TCG, no KVM needed) whose kernel, Debian's linux-image-amd64, has IA-32
#   emulation. The guest's root is this machine's own root, shared read-only
#   over virtio-9p under a tmpfs overlay, so it has exactly the packages
#   installed here (wine32 included); the build folder is shared read-write at
#   its own path, so the Wine prefix that cmake/wine-run.sh makes there is
#   made once per build folder and reused by later boots.
#
# The test output comes back on standard output (and in
# BUILD_DIR/i386-guest/console.log), CTest's exit status is this script's.
# If the guest cannot boot or does not finish, the reason is printed and the
# status is 125 (or 124 after TORVEX_GUEST_TIMEOUT seconds, default 2700).
#
# The initramfs is made here from the installed kernel's modules and
# busybox-static (scripts/install-deps.sh installs both and QEMU) into
# BUILD_DIR/i386-guest, and remade when the kernel or the init changes.
# TORVEX_GUEST_MEM (MiB, default 4096) and TORVEX_GUEST_CPUS (default 2)
# size the guest.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [CTEST_ARGS...]" >&2; exit 2; }
build=$(cd "$1" && pwd)
# The sources (test scripts, scenarios) are shared too, at their own path:
# the guest's /tmp is its own, so a checkout there is not seen through "/".
source=$(cd "$(dirname "$0")/.." && pwd)
shift

if /usr/lib/wine/wine --version >/dev/null 2>&1 || [ -n "${TORVEX_IN_GUEST:-}" ]; then
  exec ctest --test-dir "$build" "$@"
fi

die() { echo "i386-guest: CANNOT RUN the i386 suite: $*" >&2; exit 125; }
command -v qemu-system-x86_64 >/dev/null || die "qemu-system-x86_64 is missing (scripts/install-deps.sh installs qemu-system-x86)"
[ -x /bin/busybox ] && /bin/busybox --list | grep -qx insmod \
  || die "/bin/busybox is missing (scripts/install-deps.sh installs busybox-static)"
# The newest installed kernel that has IA-32 emulation and the modules we load.
kver=
for k in $(ls /boot/vmlinuz-* 2>/dev/null | sed 's|/boot/vmlinuz-||' | sort -rV); do
  if grep -qx CONFIG_IA32_EMULATION=y "/boot/config-$k" 2>/dev/null && [ -f "/lib/modules/$k/modules.dep" ]; then
    kver=$k; break
  fi
done
[ -n "$kver" ] || die "no kernel with IA-32 emulation in /boot (scripts/install-deps.sh installs linux-image-amd64)"

gdir="$build/i386-guest"
mkdir -p "$gdir"

# --- the initramfs: busybox, the modules in load order, the init ----------
initrd="$gdir/initrd-$kver.gz"
stamp="$kver $(cksum < "$here/i386-guest-init") $(cksum < /bin/busybox)"
if [ ! -f "$initrd" ] || [ "$(cat "$gdir/initrd.stamp" 2>/dev/null)" != "$stamp" ]; then
  root="$gdir/initramfs"
  rm -rf "$root" "$gdir"/initrd-*.gz
  mkdir -p "$root/bin" "$root/mods" "$root/proc" "$root/sys" "$root/dev" "$root/mnt" "$root/ovl" "$root/newroot"
  cp /bin/busybox "$root/bin/busybox"
  cp "$here/i386-guest-init" "$root/init"
  chmod 755 "$root/init"
  # modules.dep lists every module's dependencies, the one to load first last.
  awk -v want="virtio_pci 9pnet_virtio 9p overlay" '
    { name = $1; sub(/:$/, "", name); n = split(name, p, "/"); m = p[n]; sub(/\.ko(\.[a-z]+)?$/, "", m)
      path[m] = name; deps[m] = "" ; for (i = NF; i >= 2; i--) deps[m] = deps[m] " " $i }
    function load(m,   d, k, i, q, x) {
      if (m in seen) return; seen[m] = 1
      k = split(deps[m], d, " ")
      for (i = 1; i <= k; i++) { q = split(d[i], x, "/"); sub(/\.ko(\.[a-z]+)?$/, "", x[q]); load(x[q]) }
      print m, path[m] }
    END { k = split(want, w, " "); for (i = 1; i <= k; i++) load(w[i]) }' \
    "/lib/modules/$kver/modules.dep" > "$gdir/modules.list"
  while read -r m path; do
    [ -n "$path" ] || die "module $m not found for kernel $kver"
    case "$path" in
      *.ko) cp "/lib/modules/$kver/$path" "$root/mods/$m.ko" ;;
      *.ko.xz) xz -dc "/lib/modules/$kver/$path" > "$root/mods/$m.ko" ;;
      *.ko.zst) zstd -dqc "/lib/modules/$kver/$path" > "$root/mods/$m.ko" ;;
      *) die "cannot unpack module $path" ;;
    esac
  done < "$gdir/modules.list"
  cut -d' ' -f1 "$gdir/modules.list" > "$root/modules"
  (cd "$root" && find . | /bin/busybox cpio -o -H newc 2>/dev/null) | gzip -1 > "$initrd.tmp"
  mv "$initrd.tmp" "$initrd"
  rm -rf "$root"
  echo "$stamp" > "$gdir/initrd.stamp"
fi

# --- the command the guest runs --------------------------------------------
# First the Wine prefix (made on first use by wine-run.sh, kept in the build
# folder) through a harmless start of one test program, timed on its own;
# then CTest with the arguments given.
q() { printf "'%s'" "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"; }
{
  echo "export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 TORVEX_IN_GUEST=1"
  for v in WINEDEBUG TORVEX_WINEPREFIX GTEST_FILTER CTEST_OUTPUT_ON_FAILURE CTEST_PARALLEL_LEVEL; do
    eval "val=\${$v-}"
    [ -n "$val" ] && echo "export $v=$(q "$val")"
  done
  echo "build=$(q "$build") runner=$(q "$here/wine-run.sh")"
  cat <<'GUEST'
up() { cut -d' ' -f1 /proc/uptime; }
since() { awk "BEGIN { printf \"%.0f\", $(up) - $1 }"; }
t0=$(up)
exe=$(ls "$build"/bin/*_tests.exe 2>/dev/null | head -n 1)
if [ -n "$exe" ]; then
  export WINEPREFIX="${TORVEX_WINEPREFIX:-$build/wineprefix}" WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}"
  server=wineserver; [ -x /usr/lib/wine/wineserver64 ] && server=/usr/lib/wine/wineserver64
  export WINESERVER="$server" WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$WINEPREFIX/.torvex-null" ] || echo "i386-guest: making the win32 Wine prefix of this build folder (once)"
  sh "$runner" "$exe" --gtest_list_tests >/dev/null 2>&1 || echo "i386-guest: wine32 could not start $exe"
  echo "i386-guest: Wine prefix ready in $(since $t0) s"
  # One Wine session for all the programs: a persistent server and the
  # desktop process started up front. Started per program, under emulation
  # the desktop can miss the 10 s a program waits for it, and then no
  # top-level window can be created.
  t1=$(up)
  WINEPREFIX="$WINEPREFIX" "$server" -p
  /usr/lib/wine/wine explorer.exe /desktop >/dev/null 2>&1 &
  n=0
  while ! pgrep -x explorer.exe >/dev/null && [ $n -lt 300 ]; do sleep 1; n=$((n + 1)); done
  sh "$runner" "$exe" --gtest_list_tests >/dev/null 2>&1
  sleep 5
  echo "i386-guest: Wine session with desktop ready in $(since $t1) s"
fi
GUEST
  printf 'ctest --test-dir "$build"'
  for a in "$@"; do printf ' %s' "$(q "$a")"; done
  echo '; rc=$?'
  echo '[ -n "${server:-}" ] && "$server" -k 2>/dev/null; exit $rc'
} > "$gdir/cmd.sh"
rm -f "$gdir/rc"

echo "i386-guest: this kernel cannot execute 32-bit x86 code; running the i386 suite in an emulated x86-64 guest (kernel $kver, TCG)"
start=$(date +%s)
rm -f "$gdir/qemu.rc"
{ timeout --foreground "${TORVEX_GUEST_TIMEOUT:-2700}" qemu-system-x86_64 \
  -accel tcg,thread=multi -cpu Haswell-noTSX,-pcid,-x2apic,-tsc-deadline,-invpcid -smp "${TORVEX_GUEST_CPUS:-2}" -m "${TORVEX_GUEST_MEM:-4096}" \
  -nographic -monitor none -no-reboot -fw_cfg name=etc/sercon-port,string=0 \
  -kernel "/boot/vmlinuz-$kver" -initrd "$initrd" \
  -append "console=ttyS0 quiet loglevel=3 panic=-1 torvexsource=$source torvexbuild=$build" \
  -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
  -virtfs "local,path=$source,mount_tag=source,security_model=none,readonly=on,multidevs=remap" \
  -virtfs "local,path=$build,mount_tag=build,security_model=none,multidevs=remap" \
  </dev/null 2>&1; echo $? > "$gdir/qemu.rc"; } \
  | sed -u -e 's/\r$//' -e '/fw_cfg item names/d' -e '/^\[ *[0-9.]*\] /d' | tee "$gdir/console.log"
qrc=$(cat "$gdir/qemu.rc" 2>/dev/null || echo 125)
echo "i386-guest: the guest ran $(( $(date +%s) - start )) s"
[ "$qrc" = 124 ] && { echo "i386-guest: TIMEOUT: the guest did not finish within ${TORVEX_GUEST_TIMEOUT:-2700} s" >&2; exit 124; }
grep -q '^i386-guest: up after' "$gdir/console.log" \
  || die "the guest did not boot (console in $gdir/console.log)"
[ -s "$gdir/rc" ] || die "the guest booted but the test command did not finish (console in $gdir/console.log)"
exit "$(cat "$gdir/rc")"
