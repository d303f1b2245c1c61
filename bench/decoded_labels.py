#!/usr/bin/env python3
"""Counts the labels of a printed PDF whose Code 39 symbol reads back as expected.

Rasterises the PDF at 600 dpi with pdftoppm, one page at a time, cuts out every label of a regular
grid and reads each one with zbarimg and with the tests' ZXing decoder (one symbol per label).
Prints one line:

    zbarimg <n>/<expected> ZXing <m>/<expected>

and exits 0 only when both decoders read every expected text exactly once.

usage: decoded_labels.py PDF EXPECTED ZXING_DECODER COLUMNS ROWS X0 Y0 DX DY W H
  EXPECTED        a file with one expected text per line
  COLUMNS ROWS    labels per page across and down (pages follow one another)
  X0 Y0 DX DY W H the grid in points: first label's corner, pitch, label size
"""

import collections
import os
import subprocess
import sys
import tempfile

DPI = 600


def read_pgm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    # Header: magic, width, height, maximum, each separated by white space.
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos : pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1
    if fields[0] != b"P5" or int(fields[3]) > 255:
        raise ValueError(path + ": not an 8-bit binary PGM")
    return int(fields[1]), int(fields[2]), data[pos:]


def write_crop(pixels, width, height, box, path):
    left, top, right, bottom = (max(0, box[0]), max(0, box[1]), min(width, box[2]), min(height, box[3]))
    rows = [pixels[y * width + left : y * width + right] for y in range(top, bottom)]
    with open(path, "wb") as f:
        f.write(b"P5\n%d %d\n255\n" % (right - left, bottom - top))
        f.write(b"".join(rows))


def decoded(command, files):
    out = subprocess.run(command + files, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    return [line.strip() for line in out.decode("utf-8", "replace").splitlines() if line.strip()]


def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    for line in info.stdout.decode("utf-8", "replace").splitlines():
        if line.startswith("Pages:"):
            return int(line.split()[1])
    return 0


def count(found, expected):
    seen = collections.Counter(found)
    return sum(1 for text in expected if seen[text] == 1)


def main(argv):
    if len(argv) != 12:
        sys.stderr.write(__doc__)
        return 2
    pdf, expected_file, zxing = argv[1:4]
    columns, rows = int(argv[4]), int(argv[5])
    x0, y0, dx, dy, w, h = (float(v) for v in argv[6:12])
    with open(expected_file, encoding="utf-8") as f:
        expected = [line.strip() for line in f if line.strip()]
    scale = DPI / 72.0
    found_zbar, found_zxing = [], []
    with tempfile.TemporaryDirectory() as work:
        # One page at a time: a 600-dpi A4 page is 35 MB, and long jobs have hundreds of pages.
        pages = page_count(pdf)
        if pages == 0:
            print("zbarimg 0/%d ZXing 0/%d (the PDF cannot be rasterised)"
                  % (len(expected), len(expected)))
            return 1
        for number in range(1, pages + 1):
            prefix = os.path.join(work, "page")
            subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-f", str(number), "-l",
                            str(number), pdf, prefix], stderr=subprocess.DEVNULL)
            rasters = [p for p in os.listdir(work) if p.startswith("page") and p.endswith(".pgm")]
            if len(rasters) != 1:
                print("zbarimg 0/%d ZXing 0/%d (page %d cannot be rasterised)"
                      % (len(expected), len(expected), number))
                return 1
            raster = os.path.join(work, rasters[0])
            width, height, pixels = read_pgm(raster)
            os.remove(raster)
            crops = []
            for row in range(rows):
                for column in range(columns):
                    left, top = x0 + column * dx, y0 + row * dy
                    box = (round(left * scale), round(top * scale), round((left + w) * scale),
                           round((top + h) * scale))
                    crop = os.path.join(work, "label%04d.pgm" % len(crops))
                    write_crop(pixels, width, height, box, crop)
                    crops.append(crop)
            found_zbar += decoded(["zbarimg", "-q", "--raw", "-Sdisable", "-Scode39.enable"],
                                  crops)
            found_zxing += decoded([zxing], crops)
            for crop in crops:
                os.remove(crop)
    zbar = count(found_zbar, expected)
    zx = count(found_zxing, expected)
    print("zbarimg %d/%d ZXing %d/%d" % (zbar, len(expected), zx, len(expected)))
    return 0 if zbar == len(expected) and zx == len(expected) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
