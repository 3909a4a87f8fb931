#!/usr/bin/env python3
"""Generates the parameter-definition resources from paramdefs.tsv.

Writes, into OUTDIR:
  paramdefs/<id>.bin  the resource data: six NUL-terminated ANSI texts
  paramdefs.rc        one type-1000 resource per definition
  paramdefs_table.h   the same table as C data, for the tests that read the
                      built DLL back
"""
import os
import sys

LIMITS = (31, 31, 31, 31, 31, 11)  # characters per text, NUL not counted


def read_table(path):
    rows = []
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            cells = line.split("\t")
            if len(cells) != 7:
                raise SystemExit(f"{path}: bad row: {line!r}")
            ident = int(cells[0])
            texts = [cells[1].strip('"')] + cells[2:6] + [cells[6].strip('"')]
            for text, limit in zip(texts, LIMITS):
                if len(text) > limit:
                    raise SystemExit(f"{path}: {ident}: {text!r} longer than {limit}")
            rows.append((ident, texts))
    ids = [r[0] for r in rows]
    if len(set(ids)) != len(ids):
        raise SystemExit(f"{path}: duplicate ids")
    return rows


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    table, outdir = sys.argv[1], sys.argv[2]
    rows = read_table(table)
    bindir = os.path.join(outdir, "paramdefs")
    os.makedirs(bindir, exist_ok=True)
    rc = ["/* Generated from paramdefs.tsv: parameter definitions, resource type 1000. */"]
    for ident, texts in rows:
        data = b"".join(t.encode("ascii") + b"\0" for t in texts)
        name = os.path.join(bindir, f"{ident}.bin")
        old = open(name, "rb").read() if os.path.exists(name) else None
        if old != data:
            with open(name, "wb") as f:
                f.write(data)
        rc.append(f'{ident} 1000 "paramdefs/{ident}.bin"')
    write_if_changed(os.path.join(outdir, "paramdefs.rc"), "\n".join(rc) + "\n")
    h = ["/* Generated from paramdefs.tsv. */",
         "struct ParamDefRow { int id; const char *texts[6]; };",
         f"static const int kParamDefCount = {len(rows)};",
         "static const ParamDefRow kParamDefRows[] = {"]
    for ident, texts in rows:
        h.append("    {%d, {%s}}," % (ident, ", ".join(c_string(t) for t in texts)))
    h.append("};")
    write_if_changed(os.path.join(outdir, "paramdefs_table.h"), "\n".join(h) + "\n")


def write_if_changed(path, text):
    if os.path.exists(path) and open(path).read() == text:
        return
    with open(path, "w") as f:
        f.write(text)


if __name__ == "__main__":
    main()
