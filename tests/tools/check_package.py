#!/usr/bin/env python3
"""Checks the archives scripts/release.sh leaves in DIST, without unpacking
them to disk: the product archive's files and SHA256SUMS, its DLL's version
and debug link into the symbols archive, and the trainer kit's files and
README.txt warning (see each check's name).

Usage: check_package.py DIST SOURCE_DIR
Prints one line per check and "N passed, N failed"; exit 77 (skipped) when
DIST holds no product archive.
"""
import glob
import hashlib
import os
import struct
import sys
import zipfile
import zlib

from check_dll import PE, Checks, dll_version, version_header


def files(path):
    with zipfile.ZipFile(path) as z:
        return {i.filename: z.read(i) for i in z.infolist() if not i.is_dir()}


def main():
    dist, source = sys.argv[1], sys.argv[2]
    v = version_header(f"{source}/plugin/version.h")
    stem = f"{dist}/TORVEX2-{v['TORVEX_VERSION_TEXT']}"
    if not os.path.exists(f"{stem}-win32.zip"):
        print(f"SKIPPED: no {stem}-win32.zip (scripts/release.sh makes it)")
        return 77
    check = Checks()
    product = files(f"{stem}-win32.zip")
    required = {"TORVEX2.dll", "docs/install.md", "SHA256SUMS"}
    check("product: the plug-in, the guide, the sums, romtool, nothing else",
          required <= set(product) <= required | {"romtool.exe"}, f"{sorted(product)}")
    lines = product.get("SHA256SUMS", b"").decode("ascii").splitlines()
    sums = {name: digest for digest, _, name in (line.partition("  ") for line in lines)}
    check("product: SHA256SUMS lists every other file and verifies",
          set(sums) == set(product) - {"SHA256SUMS"} and
          all(hashlib.sha256(product[n]).hexdigest() == d for n, d in sums.items()), f"{sums}")

    dll = product.get("TORVEX2.dll", b"MZ")
    try:
        fixed, texts = dll_version(PE(dll).resources())
    except (ValueError, struct.error):  # not even a PE file
        fixed, texts = (0,) * 13, {}
    number = v["TORVEX_VERSION_MAJOR"] << 16 | v["TORVEX_VERSION_MINOR"]
    check("product: TORVEX2.dll is version " + v["TORVEX_VERSION_TEXT"],
          fixed[2:6] == (number, 0, number, 0) and texts.get("FileVersion") == v["TORVEX_VERSION_TEXT"])

    symbols = files(f"{stem}-win32-symbols.zip")
    link = dll.rfind(b"TORVEX2.dll.debug\0")
    crc = struct.unpack_from("<I", dll, link + 20)[0] if link > 0 else None
    check("symbols: TORVEX2.dll.debug, the debug file the DLL names",
          set(symbols) == {"TORVEX2.dll.debug"} and zlib.crc32(symbols["TORVEX2.dll.debug"]) == crc,
          f"{sorted(symbols)}, debuglink {'found' if link > 0 else 'missing'}")

    trainer = files(f"{stem}-trainer-win32.zip")
    scenarios = {"scenarios/" + os.path.basename(p) for p in glob.glob(f"{source}/scenarios/*.ini")}
    check("trainer: cphost, simulator, KTCUSTOM, plug-in, scenarios, README.txt",
          set(trainer) == {"cphost.exe", "TELVOR.dll", "KTCUSTOM.dll", "TORVEX2.dll", "README.txt"} | scenarios,
          f"{sorted(trainer)}")
    check("trainer: the same TORVEX2.dll as the product", trainer.get("TORVEX2.dll") == dll)
    head = " ".join(trainer.get("README.txt", b"").decode("utf-8").splitlines()[:4]).lower()
    check("trainer: README.txt first warns that TELVOR.dll is a simulator",
          "telvor.dll" in head and "simulat" in head and "never" in head, head)

    return check.summary()


if __name__ == "__main__":
    sys.exit(main())
