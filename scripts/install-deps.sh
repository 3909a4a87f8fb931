#!/usr/bin/env bash
# Installs what building and testing TORVEX2 needs on a fresh Debian 12 machine.
# Safe to run again: it only installs what is missing. Needs root.
set -u
need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
pkgs_native="g++ cmake ninja-build g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest xvfb xauth fonts-wine python3"
pkgs_i386="wine wine32:i386 wine64"
# Where the kernel cannot execute 32-bit code, the i386 suite runs in an
# emulated guest (cmake/i386-guest.sh): QEMU, a kernel with IA-32 emulation,
# and busybox for the initramfs made at test time.
pkgs_guest="qemu-system-x86 linux-image-amd64 busybox-static"
for p in $pkgs_native $pkgs_i386 $pkgs_guest; do have "$p" || need+=("$p"); done
# The fuzz targets of scripts/test.sh: clang with libFuzzer and the sanitizer run-times.
for p in clang libclang-rt-14-dev; do have "$p" || need+=("$p"); done
if [ ${#need[@]} -eq 0 ]; then echo "install-deps: everything is present"; exit 0; fi
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then dpkg --add-architecture i386; fi
# One index may fail to update after adding i386; that must not stop us.
apt-get update || echo "install-deps: apt-get update reported a failure; going on"
apt-get install -y -t bookworm --no-install-recommends "${need[@]}" || {
  echo "install-deps: retrying with recommends" >&2
  apt-get install -y -t bookworm "${need[@]}"
}
