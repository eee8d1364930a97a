#!/usr/bin/env python3
"""Writes d2e15c8.hex, the stand-in firmware for the voro-BOX (hardware id 221124040) that the
build packs into the bundled update image. It is not a working program: it has the shape of
one (a vector table, code, constant data with the version text, erased gaps between them) so
that the update path carries realistic bytes, 6148 of them from 0x08004000, with runs of 0xFF
that the programmer skips. Run it again only to change that shape; the output is committed."""

import random
import struct
import sys

BASE = 0x08004000
SIZE = 6148  # 1024 blocks of six bytes and one of four
VERSION = b"1.1.2.17"

rng = random.Random(221124040)
image = bytearray(b"\xff" * SIZE)
present = [False] * SIZE


def put(offset, data):
    image[offset:offset + len(data)] = data
    for i in range(offset, offset + len(data)):
        present[i] = True


# Vector table: initial stack pointer, then 47 Thumb handler addresses.
vectors = [0x20005000] + [(BASE + 0x0C0 + 4 * rng.randrange(0, 700)) | 1 for _ in range(47)]
put(0, struct.pack("<48I", *vectors))
# Code: Thumb-looking half-words.
code = bytearray()
while len(code) < 0xB00:
    code += struct.pack("<H", rng.choice([0xB580, 0xBD80, 0x4770, 0x2000, 0x6818, 0xF000])
                        | rng.randrange(0, 0x100))
put(0x0C0, code)
# Erased gap 0x0BC0 ... 0x0E00, then constant data.
consts = b"voro-BOX\0" + VERSION + b"\0brenmar automation ag\0"
consts += struct.pack("<13h", *[rng.randrange(-400, 1200) for _ in range(13)])
consts += bytes(rng.randrange(0, 256) for _ in range(0x3C0 - len(consts)))
put(0x0E00, consts)
# Erased gap 0x11C0 ... 0x1400, then more code up to the end.
tail = bytearray()
while len(tail) < SIZE - 0x1400:
    tail += struct.pack("<H", 0xE000 | rng.randrange(0, 0x1000))
put(0x1400, tail[:SIZE - 0x1400])


def record(rtype, address, data):
    body = bytes([len(data), address >> 8 & 0xFF, address & 0xFF, rtype]) + data
    return ":" + (body + bytes([-sum(body) & 0xFF])).hex().upper() + "\n"


lines = [record(4, 0, struct.pack(">H", BASE >> 16))]
offset = 0
while offset < SIZE:
    if not present[offset]:
        offset += 1
        continue
    end = offset
    while end < SIZE and end - offset < 16 and present[end]:
        end += 1
    lines.append(record(0, (BASE + offset) & 0xFFFF, bytes(image[offset:end])))
    offset = end
lines.append(record(1, 0, b""))
out = sys.argv[1] if len(sys.argv) > 1 else "d2e15c8.hex"
with open(out, "w") as f:
    f.writelines(lines)
