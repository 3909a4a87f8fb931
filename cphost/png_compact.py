#!/usr/bin/env python3
"""Recompresses PNG files in place without changing a pixel.

cphost's `shot` writes its pictures with stored (uncompressed) deflate
blocks, about 1 MB a dialog; the tour passes them through here before they
go into the docs. Usage: png_compact.py FILE...
"""
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunks(data):
    at = len(SIGNATURE)
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def compact(path):
    data = open(path, "rb").read()
    if not data.startswith(SIGNATURE):
        return False
    pixels = b"".join(body for kind, body in chunks(data) if kind == b"IDAT")
    out = [SIGNATURE]
    for kind, body in chunks(data):
        if kind == b"IDAT":
            if pixels is not None:
                out.append(chunk(b"IDAT", zlib.compress(zlib.decompress(pixels), 9)))
                pixels = None
        else:
            out.append(chunk(kind, body))
    smaller = b"".join(out)
    if len(smaller) < len(data):
        open(path, "wb").write(smaller)
    return True


if __name__ == "__main__":
    bad = [p for p in sys.argv[1:] if not compact(p)]
    for p in bad:
        print(f"png_compact: {p} is not a PNG file", file=sys.stderr)
    sys.exit(1 if bad else 0)
