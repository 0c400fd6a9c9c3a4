#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into corpus/<target>/.

The output is deterministic (fixed times, owners and compression headers), so
running it again reproduces the committed files byte for byte.
    tests/fuzz/make-seeds.py [output folder, default: corpus beside this script]
"""

import bz2
import gzip
import io
import lzma
import os
import stat
import struct
import sys
import tarfile
import zipfile

MTIME = 1_600_000_000


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# ---- fuzz_config: level files, pid files and the syntax's corners ----

CONFIG_SEEDS = {
    "level": b"launcher_debug=7\nservice_debug = 6\nfile_op_debug=4\nextractor_debug=3\n",
    "pid": b"pid=4242\n",
    "comments": b"# comment\n\n   # indented\n\t\nkey=value # trailing\n",
    "quotes": b"a='x y'\nb=\"it's\"\nc='say \"hi\"'\nd=''\n",
    "crlf": b"name = value\r\nother=1\r\n",
    "numbers": b"a=42\nb=  -7\nc=12abc\nd=abc\ne=0x10\nf=99999999999\ng=-2147483648\nh=+5\n",
    "hash_values": b"a=b#c\nb=#note\nc=b=c\n=empty_key\n",
    "malformed_space": b"key=abc def\n",
    "malformed_tab": b"key='a\tb'\n",
    "malformed_unclosed": b"key='abc\n",
    "malformed_no_value": b"key=\n",
    "lone_key_lf": b"ok=1\nkey\n",
    "lone_key_eof": b"ok=1\nkey",
    "bom": b"\xef\xbb\xbfkey=value\n",
    "utf8_value": "name=h\u00e9llo_\u65e5\u672c\n".encode(),
    "embedded_nul": b"a=1\x00junk\nb=2\n",
    "long_line": b"k=" + b"v" * 8300 + b"\nafter=1\n",
    "duplicate": b"k=first\nk=second\n",
}


# ---- fuzz_ustring: text, pattern, then the trailing argument bytes ----
#
# FuzzedDataProvider reads each string up to a backslash followed by another
# byte, and the integral arguments from the end of the input.


def ustring_seed(text, pattern, tail=b"\x00" * 8):
    esc = lambda b: b.replace(b"\\", b"\\\\")
    return esc(text) + b"\\n" + esc(pattern) + b"\\n" + tail


USTRING_SEEDS = {
    "path": ustring_seed(b"a/b/c", b"/", b"\x41\x00\x00\x02\x00\x03\x2f\x3a\x00\x01"),
    "hello": ustring_seed("h\u00e9llo".encode(), b"l"),
    "combining": ustring_seed("e\u0301 caf\u00e9".encode(), "\u00e9".encode()),
    "hangul": ustring_seed("\ud55c\uad6d\uc5b4".encode(), b""),
    "emoji": ustring_seed("x\U0001F600y".encode(), b"y", b"\x3d\xd8\x00\xde\x00\x00\x05\x00"),
    "invalid_ff": ustring_seed(b"\xff", b"\xff"),
    "surrogate_utf8": ustring_seed(b"ab\xed\xa0\x80", b"a"),
    "overlong": ustring_seed(b"\xc0\xaf/x", b"/"),
    "truncated": ustring_seed(b"ok\xe2\x82", b"k"),
    "trim": ustring_seed(b"  \t padded \t  ", b" \t"),
    "trim_ab": ustring_seed(b"abcab", b"ab", b"\x00\x00\x00\x00\x03\x00\x01\x00"),
    "lone_surrogate_unit": ustring_seed(b"abc", b"c", b"\x00\xd8"),
    "case": ustring_seed(b"ABC\xc3\x89", "abc\u00e9".encode()),
    "nul_replace": ustring_seed(b"x/y/z", b"z", b"\x2f\x00\x01\x00\x02\x00\x00\x00"),
    "empty": b"",
}


# ---- fuzz_extractor: small archives in several formats, some hostile ----


def tar_bytes(entries, fmt=tarfile.USTAR_FORMAT):
    out = io.BytesIO()
    with tarfile.open(fileobj=out, mode="w", format=fmt) as tar:
        for info, data in entries:
            tar.addfile(info, io.BytesIO(data) if data is not None else None)
    raw = out.getvalue()
    # Keep the two end blocks, not the padding to a full 10 KB record.
    end = len(raw)
    while end >= 512 and raw[end - 512:end] == b"\x00" * 512:
        end -= 512
    return raw[:end] + b"\x00" * 1024


def entry(name, data=None, kind=tarfile.REGTYPE, link="", mode=0o644):
    info = tarfile.TarInfo(name)
    info.type = kind
    info.mode = mode
    info.mtime = MTIME
    info.uname = info.gname = "user"
    info.linkname = link
    if data is not None:
        info.size = len(data)
    return info, data


BUNDLE = [
    entry("Halvenor.app/", kind=tarfile.DIRTYPE, mode=0o755),
    entry("Halvenor.app/Contents/", kind=tarfile.DIRTYPE, mode=0o755),
    entry("Halvenor.app/Contents/Info.plist", b"<plist>demo</plist>\n"),
    entry("Halvenor.app/Contents/MacOS/halvenor-drive-ui", b"#!/bin/sh\nexit 0\n", mode=0o755),
    entry("Halvenor.app/Contents/Resources/INFO", b"[Version]\nbuild=7\n"),
    entry("Halvenor.app/Contents/Current", kind=tarfile.SYMTYPE, link="Resources"),
    entry("Halvenor.app/Contents/INFO.hard", kind=tarfile.LNKTYPE,
          link="Halvenor.app/Contents/Resources/INFO"),
]


def zip_bytes(files, method):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w") as z:
        for name, data, mode in files:
            info = zipfile.ZipInfo(name, date_time=(2020, 9, 13, 12, 26, 40))
            info.compress_type = method
            info.create_system = 3
            info.external_attr = mode << 16
            z.writestr(info, data)
    return out.getvalue()


ZIP_FILES = [
    ("app/", b"", stat.S_IFDIR | 0o755),
    ("app/readme.txt", b"hello hello hello hello\n", stat.S_IFREG | 0o644),
    ("app/bin/run", b"#!/bin/sh\n", stat.S_IFREG | 0o755),
    ("app/link", b"readme.txt", stat.S_IFLNK | 0o777),
]


def newc_bytes(files):
    out = b""
    for ino, (name, data, mode) in enumerate(files + [("TRAILER!!!", b"", 0)], 1):
        name_b = name.encode() + b"\x00"
        fields = [ino, mode, 0, 0, 1, MTIME, len(data), 0, 0, 0, 0, len(name_b), 0]
        head = b"070701" + b"".join(b"%08X" % f for f in fields) + name_b
        out += head + b"\x00" * (-len(head) % 4) + data + b"\x00" * (-len(data) % 4)
    return out


def compressed(name, data):
    if name == "gz":
        out = io.BytesIO()
        with gzip.GzipFile(fileobj=out, mode="wb", mtime=0, filename="") as g:
            g.write(data)
        return out.getvalue()
    if name == "bz2":
        return bz2.compress(data)
    return lzma.compress(data, format=lzma.FORMAT_XZ)


def extractor_seeds():
    seeds = {}
    bundle = tar_bytes(BUNDLE)
    seeds["bundle.tar"] = bundle
    seeds["bundle_gnu.tar"] = tar_bytes(BUNDLE, tarfile.GNU_FORMAT)
    seeds["bundle_pax.tar"] = tar_bytes(
        [entry("dir/" + "long_name_" * 12 + "\u00e9.txt", b"pax\n")] + BUNDLE[:3],
        tarfile.PAX_FORMAT)
    for c in ("gz", "bz2", "xz"):
        seeds["bundle.tar." + c] = compressed(c, bundle)
    seeds["stored.zip"] = zip_bytes(ZIP_FILES, zipfile.ZIP_STORED)
    seeds["deflated.zip"] = zip_bytes(ZIP_FILES, zipfile.ZIP_DEFLATED)
    seeds["newc.cpio"] = newc_bytes([("a", b"", stat.S_IFDIR | 0o755),
                                     ("a/file", b"cpio data\n", stat.S_IFREG | 0o644),
                                     ("a/sym", b"file", stat.S_IFLNK | 0o777)])
    seeds["empty.tar"] = b"\x00" * 1024
    seeds["root_dot.tar"] = tar_bytes([entry("./", kind=tarfile.DIRTYPE, mode=0o755),
                                       entry("./a", b"a\n")])
    seeds["replace_file.tar"] = tar_bytes([entry("x", b"first\n"), entry("x", b"second\n"),
                                           entry("x/", kind=tarfile.DIRTYPE, mode=0o755)])
    seeds["modes.tar"] = tar_bytes([entry("locked/", kind=tarfile.DIRTYPE, mode=0o000),
                                    entry("locked/f", b"f\n", mode=0o000),
                                    entry("setuid", b"s\n", mode=0o4755)])
    # Hostile: escapes by "..", absolute paths, links out and writes through them.
    seeds["dotdot.tar"] = tar_bytes([entry("ok", b"ok\n"), entry("../run_escape", b"x\n"),
                                     entry("a/../../../outside/canary", b"x\n")])
    seeds["absolute.tar"] = tar_bytes([entry("/abs/file", b"x\n"), entry("//twice", b"y\n")])
    seeds["symlink_out.tar"] = tar_bytes([
        entry("out", kind=tarfile.SYMTYPE, link="../../outside"),
        entry("out/canary", b"overwritten\n"),
        entry("abs", kind=tarfile.SYMTYPE, link="/"),
        entry("abs/tmp/escape", b"x\n"),
    ])
    seeds["symlink_dir_swap.tar"] = tar_bytes([
        entry("d/", kind=tarfile.DIRTYPE, mode=0o755),
        entry("d", kind=tarfile.SYMTYPE, link="../../outside/sub"),
        entry("d/keep", b"overwritten\n"),
    ])
    seeds["hardlink_out.tar"] = tar_bytes([
        entry("h1", kind=tarfile.LNKTYPE, link="../outside/canary"),
        entry("h2", kind=tarfile.LNKTYPE, link="../../outside/canary"),
        entry("h3", kind=tarfile.LNKTYPE, link="/etc/hostname"),
        entry("sym", kind=tarfile.SYMTYPE, link="../../outside/canary"),
        entry("h4", kind=tarfile.LNKTYPE, link="sym"),
    ])
    seeds["devices.tar"] = tar_bytes([entry("fifo", kind=tarfile.FIFOTYPE),
                                      entry("chr", kind=tarfile.CHRTYPE)])
    damaged = bytearray(tar_bytes(BUNDLE[:3]))
    damaged[512 * 2 + 148:512 * 2 + 156] = b"0000000\x00"
    seeds["damaged_header.tar"] = bytes(damaged)
    seeds["zip_dotdot.zip"] = zip_bytes([("../zip_escape", b"x", stat.S_IFREG | 0o644),
                                         ("/zip_abs", b"y", stat.S_IFREG | 0o644)],
                                        zipfile.ZIP_STORED)
    # Entry lists (see fuzz_extractor.cpp): a mark byte, then bytes that the
    # fuzzer's data provider turns into entries and link targets.
    state = 12345
    for i in range(4):
        body = bytearray()
        for _ in range(48 + 48 * i):
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            body.append(state >> 16 & 0xFF)
        seeds["entry_list_%d" % i] = b"\xe5" + bytes(body)
    return seeds


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "corpus")
    for name, data in CONFIG_SEEDS.items():
        write(os.path.join(root, "fuzz_config"), name, data)
    for name, data in USTRING_SEEDS.items():
        write(os.path.join(root, "fuzz_ustring"), name, data)
    for name, data in extractor_seeds().items():
        write(os.path.join(root, "fuzz_extractor"), name, data)


if __name__ == "__main__":
    main()
