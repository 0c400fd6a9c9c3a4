#!/usr/bin/env python3
"""Generates a realistic application bundle for the extractor benchmark and packs it.

The bundle (about 200 MB in about 5,000 entries) is made from a fixed seed, so every run
produces the same bytes: a few large incompressible executables and frameworks, plug-ins
of medium size, thousands of small resources (text that compresses, images that do not)
in nested folders, and the relative symbolic links of framework bundles.

    bench/make_bundle.py OUT_DIR

writes OUT_DIR/Halvenor.app and packs its contents (entries "./", "./Contents/...") as
OUT_DIR/pkg.tar, pkg.tar.gz, pkg.tar.zst, pkg.tar.xz and pkg.zip with bsdtar. A stamp
file makes a second call with an unchanged generator a no-op.
"""

import os
import random
import shutil
import subprocess
import sys

SEED = 20240607
GENERATOR_VERSION = "2"
MB = 1024 * 1024
FORMATS = [
    ("pkg.tar", ["--format", "pax"]),
    ("pkg.tar.gz", ["--format", "pax", "--gzip"]),
    ("pkg.tar.zst", ["--format", "pax", "--zstd"]),
    ("pkg.tar.xz", ["--format", "pax", "--xz"]),
    ("pkg.zip", ["--format", "zip"]),
]
WORDS = (
    "sync folder file share client server upload download conflict version task status "
    "network proxy setting user account device remote local path name size time error "
    "button label dialog window progress message notify enable disable select"
).split()
FIXED_MTIME = 1700000000


class Bundle:
    def __init__(self, root, rng):
        self.root = root
        self.rng = rng
        self.files = 0
        self.dirs = 0
        self.links = 0
        self.bytes = 0

    def _path(self, rel):
        path = os.path.join(self.root, rel)
        parent = os.path.dirname(path)
        if not os.path.isdir(parent):
            os.makedirs(parent)
        return path

    def binary(self, rel, size):
        with open(self._path(rel), "wb") as f:
            f.write(self.rng.randbytes(size))
        os.chmod(os.path.join(self.root, rel), 0o755)
        self.files += 1
        self.bytes += size

    def text(self, rel, size):
        out = []
        length = 0
        while length < size:
            line = " ".join(self.rng.choice(WORDS) for _ in range(self.rng.randint(4, 14)))
            out.append(line)
            length += len(line) + 1
        data = ("\n".join(out))[:size].encode()
        with open(self._path(rel), "wb") as f:
            f.write(data)
        self.files += 1
        self.bytes += len(data)

    def link(self, rel, target):
        os.symlink(target, self._path(rel))
        self.links += 1

    def framework(self, name, size):
        base = "Contents/Frameworks/%s.framework" % name
        self.binary("%s/Versions/5/%s" % (base, name), size)
        self.text("%s/Versions/5/Resources/Info.plist" % base, 1500)
        for i in range(40):
            self.text("%s/Versions/5/Headers/q%s_%d.h" % (base, name.lower(), i),
                      self.rng.randint(2000, 20000))
        self.link("%s/Versions/Current" % base, "5")
        self.link("%s/%s" % (base, name), "Versions/Current/%s" % name)
        self.link("%s/Resources" % base, "Versions/Current/Resources")
        self.link("%s/Headers" % base, "Versions/Current/Headers")


def generate(app, rng):
    b = Bundle(app, rng)
    b.text("Contents/Info.plist", 2400)
    b.text("Contents/Resources/INFO", 120)
    b.binary("Contents/MacOS/halvenor-drive-ui", 60 * MB)
    b.binary("Contents/MacOS/launcher", 8 * MB)
    for name, size in [("QtCore", 24), ("QtGui", 20), ("QtWidgets", 16), ("QtNetwork", 8)]:
        b.framework(name, size * MB)
    for i in range(30):
        b.binary("Contents/Frameworks/plugins/group%d/libplugin%02d.dylib" % (i % 6, i),
                 rng.randint(300 * 1024, 1500 * 1024))
    for lang in range(20):
        b.binary("Contents/Resources/translations/lang%02d.qm" % lang, rng.randint(20000, 60000))
    # Help pages and scripts: small, compressible, nested up to five folders deep.
    for i in range(2600):
        depth = rng.randint(1, 4)
        folders = "/".join("d%d" % rng.randint(0, 3) for _ in range(depth))
        b.text("Contents/Resources/help/%s/page%04d.html" % (folders, i),
               rng.randint(500, 14000))
    # Images: small and incompressible.
    for i in range(1650):
        b.binary("Contents/Resources/images/set%d/icon%04d.png" % (i % 12, i),
                 rng.randint(300, 16000))
    return b


def count_dirs(root):
    return sum(1 for folder, dirs, _ in os.walk(root) for d in dirs
               if not os.path.islink(os.path.join(folder, d)))


def fix_times(root):
    for folder, dirs, files in os.walk(root, topdown=False):
        for name in dirs + files:
            os.utime(os.path.join(folder, name), (FIXED_MTIME, FIXED_MTIME),
                     follow_symlinks=False)
    os.utime(root, (FIXED_MTIME, FIXED_MTIME))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_bundle.py OUT_DIR")
    out = os.path.abspath(sys.argv[1])
    stamp = os.path.join(out, "stamp")
    wanted = "seed %d generator %s\n" % (SEED, GENERATOR_VERSION)
    if os.path.exists(stamp) and open(stamp).read() == wanted:
        return
    if shutil.which("bsdtar") is None:
        sys.exit("make_bundle.py: bsdtar is needed to pack the bundle")
    if os.path.exists(out):
        shutil.rmtree(out)
    os.makedirs(out)
    app = os.path.join(out, "Halvenor.app")
    b = generate(app, random.Random(SEED))
    fix_times(app)
    print("bundle: %d files, %d folders, %d links, %.1f MB" %
          (b.files, count_dirs(app), b.links, b.bytes / MB))
    for name, options in FORMATS:
        subprocess.run(["bsdtar"] + options + ["-cf", os.path.join(out, name), "-C", app, "."],
                       check=True)
        print("%-12s %7.1f MB" % (name, os.path.getsize(os.path.join(out, name)) / MB))
    with open(stamp, "w") as f:
        f.write(wanted)


if __name__ == "__main__":
    main()
