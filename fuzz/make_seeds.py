#!/usr/bin/env python3
"""Writes a few valid containers as the starting corpus of the fuzz target."""
import struct
import sys
import zlib
from pathlib import Path

MAGIC = b"Velqarion zLibControl"


def entry(name: str, data: bytes, block: int) -> bytes:
    raw = name.encode("cp936")
    area = b""
    ccrc = 0
    for at in range(0, len(data), block):
        packed = zlib.compress(data[at:at + block], 6)
        ccrc = zlib.crc32(packed, ccrc)
        area += struct.pack("<II", len(data[at:at + block]), len(packed)) + packed
    return (struct.pack("<I", len(name)) + raw
            + struct.pack("<IIII", len(data), zlib.crc32(data), ccrc, len(area)) + area)


def container(*entries: bytes) -> bytes:
    return struct.pack("<I", len(MAGIC)) + MAGIC + struct.pack("<i", len(entries) - 1) + b"".join(entries)


def main(folder: str) -> None:
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    seeds = {
        "one": container(entry("\\a.txt", b"navigation", 4096)),
        "blocks": container(entry("\\docs\\big.bin", bytes(range(256)) * 40, 4096)),
        "chinese": container(entry("\\菜单\\运单.mnu", "<map>导航</map>".encode(), 4096),
                             entry("\\empty", b"", 4096)),
        "empty": container(),
    }
    for name, data in seeds.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main(sys.argv[1])
