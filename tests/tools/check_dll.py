#!/usr/bin/env python3
"""Reads the built TORVEX2.dll as a PE file, without running any Windows code,
and checks what the host and the platform libraries rely on: machine, exports,
imports (TELVOR by decorated names, KTCUSTOM by ordinals, no mingw runtime),
string table, type-1000 parameter definitions against paramdefs.tsv, dialog
templates and their DLGINFO controls, and the version resource against
plugin/version.h (which GVI answers too).

Usage: check_dll.py TORVEX2.dll SOURCE_DIR
Prints one line per check and "N passed, N failed".
"""
import re
import struct
import sys

DIALOGS = dict(zip((72, 73, 78, 79, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94),  # ordinal: template
                   (225, 226, 258, 259, 261, 263, 266, 267, 268, 269, 270, 271, 272, 274, 289, 293, 320, 343)))
EXPORTS = {
    2: "GVI", 3: "OOCPSRV", 11: "MaintLensProc", 12: "MaintVacuumProc", 13: "MaintRFProc",
    21: "MaintQPProc", 22: "MaintDetectorProc", 23: "MaintOctPoleProc", 24: "MaintWaterProc",
    25: "MaintGasProc", 26: "MaintSCProc", 27: "MaintPeriPumpProc", 28: "MaintXYZProc",
    29: "MaintHousingProc", 30: "ReadRomProc", 31: "WriteRomProc", 32: "CalLensProc",
    **{o: f"KtDlg{n}Proc" for o, n in DIALOGS.items()},
}
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "advapi32.dll", "msvcrt.dll", "gdi32.dll", "shell32.dll"}
STRINGS = {
    100: "_BUTTON", 106: "Maintenance", 107: "_Lens", 108: "OPT_OPGS", 109: "PCS,1", 110: "OPT_PMP2",
    111: "OPT_New_RF", 112: "_Lens2", 113: "_Lens3", 114: "_QPType", 115: "_AFC",
    200: "Be careful about excessive input to the detector. Continue?",
    201: "Are you sure to open the gate valve?", 202: "Invalid Parameter!", 203: "Invalid Filename!",
    250: "Maintenance cannot be run in transition between Standby mode and Analysis mode.",
    251: "Lenses Calibration must be run in Standby mode.",
    252: " (It takes about 15sec for Lenses Calibration.)",
    253: "Torch position hasn't initialized. Please initialize first.",
    300: "Omega Lens-ce:", 301: "Omega Bias-ce:",
    400: "The flow rate change if you perform the offset adjustment. Do you really want to perform the offset adjustment?",
    451: "Ar Gas Line Mulfunction. Ar gas pressure does not become less than 50kPa while the main Ar valve is closed.",
}
for i, gas in enumerate(["Plasma", "Aux", "Carrier", "Makeup"]):
    STRINGS[452 + i] = f"{gas} gas DP Sensor Offset is Too Low or Too High:  %.3f (V)"
    STRINGS[456 + i] = f"{gas} gas BP Sensor Offset is Too Low or Too High:  %.3f (V)"


class PE:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, nsect, _, _, _, optsize, self.characteristics = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        self.image_base = struct.unpack_from("<I", data, opt + 28)[0]
        self.dirs = [struct.unpack_from("<II", data, opt + 96 + 8 * i) for i in range(16)]
        rows = (struct.unpack_from("<8sIIII", data, opt + optsize + 40 * i) for i in range(nsect))
        self.sections = [(va, max(vsize, rawsize), raw) for _, vsize, va, rawsize, raw in rows]

    def off(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError(f"rva {rva:#x} outside sections")

    def u32(self, rva, fmt="<I"):
        return struct.unpack_from(fmt, self.data, self.off(rva))[0]

    def cstr(self, rva):
        o = self.off(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("latin-1")

    def exports(self):
        """{ordinal: name} and {ordinal: rva} of every present entry."""
        base, nfunc, nnames, funcs, names, ords = struct.unpack_from("<IIIIII", self.data, self.off(self.dirs[0][0]) + 16)
        named = {base + self.u32(ords + 2 * i, "<H"): self.cstr(self.u32(names + 4 * i)) for i in range(nnames)}
        return named, {base + i: self.u32(funcs + 4 * i) for i in range(nfunc) if self.u32(funcs + 4 * i)}

    def imports(self):
        rva, result = self.dirs[1][0], {}
        while True:
            ilt, _, _, name, iat = struct.unpack_from("<IIIII", self.data, self.off(rva))
            if name == 0:
                return result
            table, entries = ilt or iat, []
            while v := self.u32(table):
                entries.append(("ordinal", v & 0xFFFF) if v & 0x80000000 else ("name", self.cstr(v + 2)))
                table += 4
            result[self.cstr(name)] = entries
            rva += 20

    def resources(self):
        """{type: {name: bytes}} for the first language of each entry."""
        root, out = self.dirs[2][0], {}

        def entries(target):  # [(key, target)] of the directory at root + target
            o = self.off(root + (target & 0x7FFFFFFF))
            count = sum(struct.unpack_from("<HH", self.data, o + 12))
            return [struct.unpack_from("<II", self.data, o + 16 + 8 * i) for i in range(count)]

        for tkey, ttarget in entries(0):
            for nkey, ntarget in entries(ttarget):
                for _, ltarget in entries(ntarget)[:1]:
                    drva, dsize = struct.unpack_from("<II", self.data, self.off(root + ltarget))
                    out.setdefault(tkey, {})[nkey] = self.data[self.off(drva):self.off(drva) + dsize]
        return out


def dll_version(res):
    """(fixed file info words, {key: text}) of the first VS_VERSIONINFO resource, zeros when unreadable."""
    def node(pos):
        length, vlen, kind = struct.unpack_from("<HHH", data, pos)
        end = data.index(b"\0\0", pos + 6)
        end += (end - pos) % 2  # the key's NUL is a whole UTF-16 unit
        key = data[pos + 6:end].decode("utf-16-le")
        value = (end + 2 + 3) & ~3
        size = 2 * vlen if kind == 1 else vlen
        children, child = [], (value + size + 3) & ~3
        while child < pos + length:
            children.append(node(child))
            child = (child + children[-1][3] + 3) & ~3
        return key, data[value:value + size], children, length

    try:
        data = next(iter(res.get(16, {}).values()))
        _, fixed, children, _ = node(0)
        strings = {}
        for name, _, tables, _ in children:
            for _, _, entries, _ in tables if name == "StringFileInfo" else []:
                strings.update((k, v.decode("utf-16-le").rstrip("\0")) for k, v, _, _ in entries)
        return struct.unpack_from("<13I", fixed), strings
    except (StopIteration, ValueError, struct.error) as e:
        return (0,) * 13, {"error": repr(e)}


class Checks(list):
    """One PASS/FAIL line a check; summary() prints the counts and answers the exit status."""

    def __call__(self, name, ok, detail=""):
        self.append(bool(ok))
        print(("PASS " if ok else "FAIL ") + name + ("" if ok or not detail else ": " + detail))

    def summary(self):
        print(f"{sum(self)} passed, {len(self) - sum(self)} failed")
        return 0 if all(self) else 1


def version_header(path):
    """{name: value} of the #defines of plugin/version.h."""
    defines = (re.match(r'#define\s+(\w+)\s+("(.*)"|(\d+))\s*$', line) for line in open(path, encoding="ascii"))
    return {m.group(1): m.group(3) if m.group(3) is not None else int(m.group(4)) for m in defines if m}


def main():
    dll, source = sys.argv[1], sys.argv[2]
    pe = PE(open(dll, "rb").read())
    check = Checks()
    check("PE32 i386 DLL", pe.machine == 0x14C and pe.magic == 0x10B and pe.characteristics & 0x2000)

    named, present = pe.exports()
    check("export names and ordinals", named == EXPORTS,
          f"extra {sorted(set(named.items()) - set(EXPORTS.items()))}, missing {sorted(set(EXPORTS.items()) - set(named.items()))}")
    check("no export without a name", set(present) == set(EXPORTS), f"{sorted(set(present) - set(EXPORTS))}")

    imports = {k.lower(): v for k, v in pe.imports().items()}
    others = set(imports) - SYSTEM_DLLS - {"telvor.dll", "ktcustom.dll"}
    check("imports only system DLLs, TELVOR and KTCUSTOM", not others, f"{sorted(others)}")
    check("no mingw runtime DLL", not any(re.search(r"gcc|stdc\+\+|winpthread|mingw", k) for k in imports))
    check("TELVOR by decorated names", sorted(imports.get("telvor.dll", [])) ==
          [("name", "_tvl_QueryString@36"), ("name", "_tvl_Write@28")], f"{imports.get('telvor.dll')}")
    check("KTCUSTOM by ordinal only", sorted(imports.get("ktcustom.dll", [])) ==
          [("ordinal", 20), ("ordinal", 102)], f"{imports.get('ktcustom.dll')}")

    res = pe.resources()
    strings = {}
    for block, data in res.get(6, {}).items():
        pos = 0
        for i in range(16):
            n = struct.unpack_from("<H", data, pos)[0]
            if n:
                strings[(block - 1) * 16 + i] = data[pos + 2:pos + 2 + 2 * n].decode("utf-16-le")
            pos += 2 + 2 * n
    check("string table", strings == STRINGS,
          "; ".join(f"{k}: {strings.get(k)!r} != {v!r}" for k, v in STRINGS.items() if strings.get(k) != v)
          + f" extra {sorted(set(strings) - set(STRINGS))}")

    rows = [line.rstrip("\n").split("\t") for line in open(f"{source}/resources/paramdefs.tsv", encoding="ascii")
            if line.strip() and not line.startswith("#")]
    table = [(int(c[0]), [c[1].strip('"')] + c[2:6] + [c[6].strip('"')]) for c in rows]
    defs = res.get(1000, {})
    bad = [i for i, texts in table if defs.get(i) != b"".join(t.encode() + b"\0" for t in texts)]
    check("211 parameter definitions of type 1000", len(table) == 211 and len(defs) == 211 and not bad,
          f"{len(defs)} resources, mismatched {bad[:10]}")

    dialogs = res.get(5, {})
    missing = [n for n, data in dialogs.items() if f"KTDLG{n}".encode("utf-16-le") not in data]
    check("every template carries its DLGINFO control", dialogs and not missing and
          all(b"D\0L\0G\0I\0N\0F\0O\0" in d for d in dialogs.values()), f"{missing}")
    templates = set(DIALOGS.values()) | {294, 314, 321, 336}
    check("the 22 dialog templates, no other", set(dialogs) == templates,
          f"missing {sorted(templates - set(dialogs))}, extra {sorted(set(dialogs) - templates)}")

    v = version_header(f"{source}/plugin/version.h")
    number = v["TORVEX_VERSION_MAJOR"] << 16 | v["TORVEX_VERSION_MINOR"]
    fixed, texts = dll_version(res)
    want = {"FileVersion": v["TORVEX_VERSION_TEXT"], "ProductVersion": v["TORVEX_VERSION_TEXT"],
            "FileDescription": v["TORVEX_NOTICE"], "OriginalFilename": v["TORVEX_FILE_NAME"]}
    check("version resource as GVI answers it", fixed[0] == 0xFEEF04BD and fixed[2:6] == (number, 0, number, 0)
          and fixed[9] == 2 and all(texts.get(k) == t for k, t in want.items()),
          f"fixed {[hex(x) for x in fixed[2:6]]}, type {fixed[9]}, texts {texts}")

    return check.summary()


if __name__ == "__main__":
    sys.exit(main())
