#!/usr/bin/env python3
"""Reads the disassembly of built i386 binaries and checks that every entry
pops what its callers expect (`ret N` for standard call, a plain `ret` for C),
without running anything. A mismatch links silently (--enable-stdcall-fixup
binds GVI@12 to a plain GVI) and only corrupts the caller's stack at run time.

Checked: each export of DEF, `ret N` with N from its decoration (GVI = GVI@12
-> `ret $0xc`) or a plain `ret` when undecorated, and every function whose
symbol is decorated (dialog, window and timer procedures, callbacks). A tail
call is followed into its target. A stripped binary is read with the symbols
of the debug file its .gnu_debuglink names (beside it, CRC matching).

Usage: check_ret.py OBJDUMP BINARY:DEF [BINARY[:DEF] ...]
Prints one line per binary and the failures, and "N passed, N failed".
"""
import bisect
import os
import re
import struct
import subprocess
import sys
import zlib

from check_dll import PE, Checks

SYMBOL = re.compile(r"\(sec\s+1\)\(fl [^)]*\)\(ty\s+20\)\(scl\s+[23]\)\s+\(nx \d+\)\s+0x([0-9a-f]+)\s+(\S+)$")
INSN = re.compile(r"^\s*([0-9a-f]+):\s+(?:(?:repz|rep|bnd|notrack)\s+)?(ret|jmp)\s*(\S*)")


def def_exports(path):
    """[(export name, ordinal or None, popped bytes or None for C)] of a .def file."""
    out, inside = [], False
    for line in open(path, encoding="ascii"):
        line = line.split(";")[0].strip()
        if line.upper() == "EXPORTS":
            inside = True
        elif inside and line and line.split()[0].upper() not in ("LIBRARY", "NAME"):
            m = re.match(r"([A-Za-z0-9_@]+)(?:\s*=\s*([A-Za-z0-9_@]+))?(?:\s+@(\d+))?", line)
            name, internal, ordinal = m.group(1), m.group(2) or m.group(1), m.group(3)
            dec = re.search(r"@(\d+)$", internal)
            out.append((name, int(ordinal) if ordinal else None, int(dec.group(1)) if dec else None))
    return out


def run(objdump, *args, check=True):
    return subprocess.run([objdump, *args], check=check, capture_output=True, text=True).stdout


def debug_file(objdump, binary):
    """The separate debug file a stripped binary names, or None."""
    dump = run(objdump, "-s", "-j", ".gnu_debuglink", binary, check=False)
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
        self.text = int(re.search(r"\s\.text\s+[0-9a-f]+\s+([0-9a-f]+)", run(objdump, "-h", binary)).group(1), 16)
        self.symbols = {}
        for line in run(objdump, "-t", symbols).splitlines():
            m = SYMBOL.search(line)
            if m:
                self.symbols.setdefault(self.text + int(m.group(1), 16), m.group(2))
        self.starts = sorted(self.symbols) + [1 << 40]  # the last function ends at the sentinel
        insns = (INSN.match(line) for line in run(objdump, "-d", "--no-show-raw-insn", "-j", ".text", binary).splitlines())
        self.insns = [(int(m.group(1), 16), m.group(2), m.group(3)) for m in insns if m]  # every ret and jmp

    def ranges(self, start):
        """The address ranges of the function at start, its .cold part included."""
        name = self.symbols.get(start)
        cold = [a for a, n in self.symbols.items() if name and n == name + ".cold"]
        return [(s, self.starts[bisect.bisect_right(self.starts, s)]) for s in [start] + cold]

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
    check = Checks()
    for target in targets:
        binary, _, deffile = target.partition(":")
        code = Code(objdump, binary)
        bad = [] if code.symbols else ["no symbol table (stripped binary)"]
        checked = {}
        if deffile:
            pe = PE(open(binary, "rb").read())
            named, rvas = pe.exports()
            by_ord = {o: pe.image_base + rva for o, rva in rvas.items()}
            by_name = {name: by_ord[o] for o, name in named.items()}
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
        check(f"{binary}: {len(checked)} entries return as declared", not bad)
        for b in bad:
            print("  " + b)
    return check.summary()


if __name__ == "__main__":
    sys.exit(main())
