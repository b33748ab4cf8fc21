#!/usr/bin/env python3
"""check_zip.py MAKE_ZIP BUILT_ZIP PROGRAM TIPS README

The zip holds exactly the program, the tip file and 使用说明.txt (the
README in GBK with CR LF), with fixed time stamps; names are stored in GBK
without the UTF-8 flag, with the Unicode path field for the Chinese one;
making it again from the same files gives the same bytes."""
import os
import struct
import subprocess
import sys
import tempfile
import zipfile
import zlib

make_zip, built, program, tips, readme = sys.argv[1:]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def unicode_path(extra):
    while len(extra) >= 4:
        tag, size = struct.unpack("<HH", extra[:4])
        if tag == 0x7075:
            return extra[4:4 + size]
        extra = extra[4 + size:]
    return None


readme_gbk = read(readme).decode("utf-8").replace("\r\n", "\n").replace("\n", "\r\n").encode("gbk")
expected = {"Quorvane.exe": read(program), "TIPOFDAY.TXT": read(tips), "使用说明.txt": readme_gbk}
with zipfile.ZipFile(built) as archive:
    infos = archive.infolist()
    names = [info.filename.encode("cp437").decode("gbk") for info in infos]
    check(names == list(expected), f"entries {names}")
    for info, name in zip(infos, names):
        check(info.flag_bits & 0x800 == 0, f"{name}: UTF-8 flag set")
        check(info.date_time == (2026, 12, 1, 0, 0, 0), f"{name}: time stamp {info.date_time}")
        check(archive.read(info) == expected.get(name), f"{name}: content differs")
        gbk = name.encode("gbk")
        field = unicode_path(info.extra)
        wanted = None if name.isascii() else struct.pack("<BI", 1, zlib.crc32(gbk)) + name.encode("utf-8")
        check(field == wanted, f"{name}: Unicode path field {field!r}")

with tempfile.TemporaryDirectory() as work:
    again = [os.path.join(work, f"{i}.zip") for i in (1, 2)]
    for path in again:
        subprocess.run([sys.executable, make_zip, path, program, tips, readme], check=True)
    check(read(again[0]) == read(again[1]) == read(built), "the same files gave different bytes")

print("\n".join(failures) or "zip as expected")
sys.exit(1 if failures else 0)
