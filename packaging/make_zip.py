#!/usr/bin/env python3
"""Writes the zip for users who do not install Quorvane.

    make_zip.py OUTPUT PROGRAM TIPS README

The entries are Quorvane.exe, TIPOFDAY.TXT and 使用说明.txt (README, given
in UTF-8 and stored in GBK with CR LF line ends). Every entry carries the
same fixed time stamp, so the same inputs always give the same bytes.

Windows 7's own zip folder ignores the UTF-8 flag and reads names in the
system's code page (936 on a Chinese system), so names are stored in GBK
without that flag, each non-ASCII one with the Info-ZIP Unicode path field
(0x7075) holding its UTF-8 form for every other tool.
"""
import struct
import sys
import zlib

FIXED_TIME = (2026 - 1980) << 9 | 12 << 5 | 1, 0  # DOS date 2026-12-01, time 00:00
ARCHIVE_ATTRIBUTE = 0x20
VERSION = 20  # 2.0: deflate


def unicode_path_field(stored_name, name):
    if name.isascii():
        return b""
    data = struct.pack("<BI", 1, zlib.crc32(stored_name)) + name.encode("utf-8")
    return struct.pack("<HH", 0x7075, len(data)) + data


def entry(name, content):
    stored_name = name.encode("gbk")
    extra = unicode_path_field(stored_name, name)
    packer = zlib.compressobj(9, zlib.DEFLATED, -15)
    packed = packer.compress(content) + packer.flush()
    date, time = FIXED_TIME
    common = struct.pack("<HHHHIIIHH", 0, 8, time, date, zlib.crc32(content), len(packed),
                         len(content), len(stored_name), len(extra))
    return stored_name, extra, packed, common


def write_zip(path, entries):
    body, directory = b"", b""
    for name, content in entries:
        stored_name, extra, packed, common = entry(name, content)
        directory += (struct.pack("<IHH", 0x02014B50, VERSION, VERSION) + common +
                      struct.pack("<HHHII", 0, 0, 0, ARCHIVE_ATTRIBUTE, len(body)) + stored_name + extra)
        body += struct.pack("<IH", 0x04034B50, VERSION) + common + stored_name + extra + packed
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(entries), len(entries), len(directory),
                      len(body), 0)
    with open(path, "wb") as out:
        out.write(body + directory + end)


def main(output, program, tips, readme):
    def read(path):
        with open(path, "rb") as f:
            return f.read()
    readme_text = read(readme).decode("utf-8").replace("\r\n", "\n").replace("\n", "\r\n")
    write_zip(output, [("Quorvane.exe", read(program)), ("TIPOFDAY.TXT", read(tips)),
                       ("使用说明.txt", readme_text.encode("gbk"))])


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
