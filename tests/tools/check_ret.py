#!/usr/bin/env python3
"""Reads the disassembly of built i386 binaries and checks that every entry
pops what its callers expect, without running anything.

On i386 a standard-call function pops its own arguments (`ret N`), a C
function leaves them to the caller (`ret`). A mismatch links silently
(--enable-stdcall-fixup binds GVI@12 to a plain GVI) and only corrupts the
caller's stack at run time. For each BINARY:DEF given:

- every export named in the module-definition file: its code returns with
  `ret N`, N the bytes of its decoration (GVI = GVI@12 -> `ret $0xc`,
  _tvl_Write@28 -> `ret $0x1c`), or with a plain `ret` when undecorated
  (the command procedures);
- every function whose symbol carries a decoration (dialog procedures,
  window and timer procedures, the host's service callback): `ret N`.

A function that ends in a tail call is followed into its target. A stripped
binary is read with the symbols of the debug file its .gnu_debuglink names
(beside it, and only when the CRC there matches).

Usage: check_ret.py OBJDUMP BINARY:DEF [BINARY[:DEF] ...]
Prints one line per binary and the failures, and "N passed, N failed".
"""
import os
import re
import struct
import subprocess
import sys
import zlib

from check_dll import PE

SYMBOL = re.compile(r"\(sec\s+1\)\(fl [^)]*\)\(ty\s+20\)\(scl\s+[23]\)\s+\(nx \d+\)\s+0x([0-9a-f]+)\s+(\S+)$")
INSN = re.compile(r"^\s*([0-9a-f]+):\s+(?:(?:repz|rep|bnd|notrack)\s+)?(ret|jmp)\s*(\S*)")


def def_exports(path):
    """[(export name, ordinal or None, popped bytes or None for C)] of a .def file."""
    out, inside = [], False
    for line in open(path, encoding="ascii"):
        line = line.split(";")[0].strip()
        if not line:
            continue
        if line.upper() == "EXPORTS":
            inside = True
            continue
        if not inside or line.split()[0].upper() in ("LIBRARY", "NAME"):
            continue
        m = re.match(r"([A-Za-z0-9_@]+)(?:\s*=\s*([A-Za-z0-9_@]+))?(?:\s+@(\d+))?", line)
        name, internal, ordinal = m.group(1), m.group(2) or m.group(1), m.group(3)
        dec = re.search(r"@(\d+)$", internal)
        out.append((name, int(ordinal) if ordinal else None, int(dec.group(1)) if dec else None))
    return out


def export_addresses(pe, image_base):
    """{name: va} and {ordinal: va} of the export table."""
    import struct
    rva, _ = pe.dirs[0]
    base, nfunc, nnames, funcs, names, ords = struct.unpack_from("<IIIIII", pe.data, pe.off(rva) + 16)
    by_ord = {base + i: image_base + pe.u32(funcs + 4 * i) for i in range(nfunc) if pe.u32(funcs + 4 * i)}
    by_name = {pe.cstr(pe.u32(names + 4 * i)): by_ord[base + pe.u16(ords + 2 * i)] for i in range(nnames)}
    return by_name, by_ord


def debug_file(objdump, binary):
    """The separate debug file a stripped binary names, or None."""
    dump = subprocess.run([objdump, "-s", "-j", ".gnu_debuglink", binary], capture_output=True, text=True).stdout
    words = re.findall(r"^ [0-9a-f]+ ((?:[0-9a-f]{2,8} ?){1,4})", dump, re.M)
    link = bytes.fromhex("".join(w.replace(" ", "") for w in words))
    if not link:
        return None
    name = link[:link.index(b"\0")].decode()
    path = os.path.join(os.path.dirname(binary), name)
    crc = struct.unpack_from("<I", link, len(link) - 4)[0]
    if not os.path.exists(path) or zlib.crc32(open(path, "rb").read()) != crc:
        raise SystemExit(f"{binary}: its debug file {path} is missing or is not the one it was stripped with")
    return path


class Code:
    def __init__(self, objdump, binary):
        symbols = debug_file(objdump, binary) or binary
        headers = subprocess.run([objdump, "-h", binary], check=True, capture_output=True, text=True).stdout
        self.text = int(re.search(r"\s\.text\s+[0-9a-f]+\s+([0-9a-f]+)", headers).group(1), 16)
        table = subprocess.run([objdump, "-t", symbols], check=True, capture_output=True, text=True).stdout
        self.symbols = {}
        for line in table.splitlines():
            m = SYMBOL.search(line)
            if m:
                self.symbols.setdefault(self.text + int(m.group(1), 16), m.group(2))
        self.starts = sorted(self.symbols)
        self.insns = []  # (va, mnemonic, operand) of every ret and jmp
        dis = subprocess.run([objdump, "-d", "--no-show-raw-insn", "-j", ".text", binary],
                             check=True, capture_output=True, text=True).stdout
        for line in dis.splitlines():
            m = INSN.match(line)
            if m:
                self.insns.append((int(m.group(1), 16), m.group(2), m.group(3)))

    def ranges(self, start):
        """The address ranges of the function at start, its .cold part included."""
        import bisect
        out = []
        name = self.symbols.get(start)
        for s in [start] + [a for a, n in self.symbols.items() if name and n == name + ".cold"]:
            i = bisect.bisect_right(self.starts, s)
            out.append((s, self.starts[i] if i < len(self.starts) else 1 << 40))
        return out

    def pops(self, start, seen=None):
        """{bytes popped by each ret reachable from the function at start}."""
        seen = seen if seen is not None else set()
        if start in seen:
            return set()
        seen.add(start)
        out, tails = set(), []
        for lo, hi in self.ranges(start):
            for va, op, arg in self.insns:
                if lo <= va < hi:
                    if op == "ret":
                        out.add(int(arg[1:], 16) if arg.startswith("$") else 0)
                    elif re.fullmatch(r"[0-9a-f]+", arg) and int(arg, 16) in self.symbols:
                        tails.append(int(arg, 16))
        if not out:
            for t in tails:
                out |= self.pops(t, seen)
        return out


def main():
    objdump, targets = sys.argv[1], sys.argv[2:]
    passed = failed = 0
    for target in targets:
        binary, _, deffile = target.partition(":")
        code = Code(objdump, binary)
        bad = []
        if not code.symbols:
            bad.append("no symbol table (stripped binary)")
        checked = {}
        if deffile:
            pe = PE(open(binary, "rb").read())
            image_base = re.search(r"ImageBase\s+([0-9a-f]+)",
                                   subprocess.run([objdump, "-p", binary], check=True, capture_output=True,
                                                  text=True).stdout).group(1)
            by_name, by_ord = export_addresses(pe, int(image_base, 16))
            for name, ordinal, popped in def_exports(deffile):
                va = by_ord.get(ordinal) if ordinal is not None else by_name.get(name)
                if va is None:
                    bad.append(f"{name}: not exported")
                    continue
                checked[va] = (name, popped or 0, "stdcall" if popped is not None else "cdecl")
        for va, sym in code.symbols.items():
            m = re.search(r"@(\d+)$", sym)
            if m and va not in checked:
                checked[va] = (sym, int(m.group(1)), "decorated")
        for va, (name, want, kind) in sorted(checked.items()):
            got = code.pops(va)
            if got != {want}:
                bad.append(f"{name} ({kind}) must return with "
                           + (f"ret ${want:#x}" if want else "a plain ret") + f", pops {sorted(got) or 'nothing found'}")
        print(("PASS " if not bad else "FAIL ") + f"{binary}: {len(checked)} entries return as declared")
        for b in bad:
            print("  " + b)
        passed, failed = passed + (not bad), failed + bool(bad)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
