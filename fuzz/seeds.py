#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the fuzz targets into corpus/<target>/seed-*.

Data files are written with python3's own cp950 codec, never by Brevmark's writers, so a seed
shows what a real file of an existing installation can hold. Run it from anywhere; it replaces
the seed-* files and leaves the inputs the fuzzer found (named by their SHA-1) alone.
"""
import os
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"


def big5(text):
    return text.encode("cp950")


def quoted_line(fields, tail=1):
    return big5(",".join('"%s"' % f for f in fields) + ",%d\r\n" % tail)


def record(barcode, category, name="", *custom, reserved=("",) * 5, tail=1):
    custom = list(custom) + [""] * (4 - len(custom))
    return quoted_line([barcode, category, name] + custom + list(reserved), tail)


def barcode_records():
    three = record("A001", "食品", "蘋果", "紅色") + record("B-2 X", "文具", "鉛筆") + record(
        "C.3/+", "食品", "香蕉", "", "", "", "備註")
    return {
        "empty": b"",
        "one": record("A001", "食品", "蘋果"),
        "three": three,
        "repaired-tail": record("A001", "食品", tail=20) + record("A002", "食品", tail=20),
        "lf-only": three.replace(b"\r\n", b"\n"),
        "cr-only": three.replace(b"\r\n", b"\r"),
        "no-final-line-end": three[:-2],
        "reserved-kept": record("A001", "食品", reserved=("r1", "", "r3", "", "預留")),
        "bare-fields": b'  A001 , \xad\xb9\xab~ ,x,,,,,,,,,,1\r\n',
        "comma-in-quotes": quoted_line(["A,1", "食,品"] + [""] * 10),
        "line-break-in-quotes": quoted_line(["A1", "食品", "第一行\r\n第二行"] + [""] * 9),
        "quote-in-bare-field": b'A1,C"x,,,,,,,,,,,1\r\n' + record("A2", "文具"),
        "cut-to-twelve": three + quoted_line(["Z9", "壞"] + [""] * 9),
        "fourteen-fields": big5('"A1","食品","","","","","","","","","","","多",1\r\n') + three,
        "lone-lead-byte-in-field": b'"A1","\xa4",' + b'"",' * 10 + b"1\r\n" + three,
        "unclosed-quote": three + b'"A9,"x',
        "blank-lines": b"\r\n\r\n" + three + b"\r\n\r\n",
        "stars-and-spaces": record("A 1", "★ 食品 ★", "名 稱"),
    }


def format_line(fields):
    fields = list(fields) + [""] * (11 - len(fields))
    return quoted_line(fields + [""])


def barcode_format(category, name, text="A001", width="3600", height="900"):
    return format_line([category, name, "條碼", width, height, text, "16777215", "1",
                        "120 60 600", "0 0 0 1 10", "15 3 0 0"])


def label_format(category, name, caption="售價 {售價}", left="120", top="700"):
    return format_line([category, name, "標籤", caption, left, top, "0", "9.75", "新細明體",
                        "1 0 0"])


def picture_format(category, name, file="logo.bmp"):
    return format_line([category, name, "圖片", file, "2400", "60", "900", "600"])


def format_records():
    shelf = barcode_format("商品", "價格") + label_format("商品", "價格") + picture_format(
        "商品", "價格")
    other = barcode_format("倉庫", "貨架", "W-01") + label_format("倉庫", "貨架", "貨架 1")
    return {
        "empty": b"",
        "one-format": shelf,
        "two-formats": shelf + other,
        "same-key-split": barcode_format("A", "BC") + barcode_format("AB", "C"),
        "case-categories": barcode_format("abc", "x") + barcode_format("ABC", "y"),
        "empty-name": barcode_format("商品", "") + shelf,
        "quote-in-bare-field": big5('C"x,名,條碼,3600,900,A1,0,1,,,,"",1\r\n') + shelf,
        "lf-only": (shelf + other).replace(b"\r\n", b"\n"),
        "cut-short": shelf + big5('"商品","價格","標籤","x"\r\n'),
        "lone-lead-byte": shelf + b'"\xa4","n","\xe6\xa2\xdd",' + b'"",' * 9 + b"1\r\n",
        "trailing-blank": shelf + b"\r\n  \r\n",
        "huge-numbers": barcode_format("大", "數", "A1", "1" + "0" * 45, "-1e9"),
    }


def layout_file(items):
    out = b""
    for group, (position, records) in enumerate(items, start=1):
        for r in records:
            out += format_line([str(group), position] + r)
    return out


BARCODE = ["條碼", "3600", "900", "A001", "16777215", "1", "120 60 600", "0 0 0 1 10",
           "15 3 0 0"]
LABEL = ["標籤", "品名", "120", "700", "255", "9.75", "新細明體", "0 0 0"]
PICTURE = ["圖片", "logo.bmp", "2400", "60", "900", "600"]


def layout_files():
    two = layout_file([("60 60", [BARCODE, LABEL]), ("3720 60", [BARCODE, PICTURE])])
    return {
        "empty": b"",
        "two-items": two,
        "one-item": layout_file([("60 60", [BARCODE])]),
        "groups-out-of-order": layout_file([("60 60", [BARCODE])]).replace(b'"1"', b'"2"')
        + layout_file([("3720 60", [BARCODE])]),
        "no-position": layout_file([("", [BARCODE]), ("1 2 3", [BARCODE])]),
        "fractional-positions": layout_file([("60.5 60.25", [BARCODE]),
                                             ("0.1 1e3", [BARCODE, LABEL])]),
        "negative-positions": layout_file([("-600 -60", [BARCODE]), ("60 60", [BARCODE])]),
        "group-zero": layout_file([("60 60", [BARCODE])]).replace(b'"1"', b'"0"') + two,
        "label-before-barcode": layout_file([("60 60", [LABEL, BARCODE]), ("60 960", [BARCODE])]),
        "big-font": layout_file([("60 60", [BARCODE, ["標籤", "x", "0", "0", "0", "1e30",
                                                       "新細明體", "1 1 1"]]),
                                 ("60 960", [BARCODE])]),
        "cut-short": two + big5('"3","60 60","條碼"\r\n'),
        "lf-only": two.replace(b"\r\n", b"\n"),
    }


def setting(key, value):
    return big5('"%s","%s"\r\n' % (key, value))


def settings_store():
    typical = (setting("主視窗大小", "1 0 600 400 14400 9000") + setting("列印排列", "4 4 2 2")
               + setting("標籤A", "條碼★種類★名稱★售價★產地★自訂★自訂★自訂★自訂★自訂★自訂★自訂")
               + setting("標籤_數量", "4") + setting("標籤_X", "120 1500 2800 4000 5200 6400 7600 自訂 自訂 自訂 自訂 自訂")
               + setting("條碼勾選", "101111111111") + setting("條碼轉圖_粗細", "2")
               + setting("匯入視窗大小", "0 300 200 12000 7200") + setting("印表裝置", "1")
               + setting("更新設定", "0") + setting("列印解析度", "6.8125")
               + setting("使用密碼", "4182838485") + setting("對齊格式位置_24", "15 -30"))
    return {
        "empty": b"",
        "typical": typical,
        "duplicate-key": setting("印表裝置", "0") + setting("印表裝置", "1"),
        "empty-value": setting("更新設定", ""),
        "three-fields": big5('"a","b","c"\r\n"d","e"\r\n'),
        "odd-fields": big5('"a","b"\r\n"c"\r\n'),
        "comma-in-value": setting("列印排列", "4,4 2 2") + setting("印表裝置", "1"),
        "huge-numbers": setting("標籤_數量", "9" * 30) + setting("列印解析度", "1" + "0" * 40)
        + setting("匯入視窗大小", "0 1e99 -5 " + "9" * 400 + " 1")
        + setting("條碼轉圖_粗細", "-99999999999999"),
        "zero-resolution": setting("列印解析度", "0") + setting("列印解析度", "-7.2"),
        "captions-with-spaces": setting("標籤A", "條 碼★種類★名稱★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂"),
        "lone-lead-byte": setting("印表裝置", "1") + b'"\xa4","1"\r\n',
        "lf-only": typical.replace(b"\r\n", b"\n"),
        "unclosed-quote": setting("印表裝置", "1") + b'"a,"b\r\n',
    }


def merge_source():
    csv = "條碼,名稱,售價\r\nA001,蘋果,30\r\nB002,\"香蕉, 進口\",25\r\n".encode("utf-8")
    tsv = "條碼\t名稱\t售價\nA001\t蘋果\t30\nB002\t香蕉\n".encode("utf-8")
    return {
        "csv": b"\x00" + csv,
        "csv-bom": b"\x00\xef\xbb\xbf" + csv,
        "csv-line-break-in-cell": b"\x00" + "名稱,條碼\r\n\"第一行\r\n第二行\",A1\r\n".encode(),
        "csv-doubled-quotes": b"\x00" + 'a,b\r\n"say ""hi""",x\r\n'.encode(),
        "csv-too-many-cells": b"\x00" + b"a,b\r\n1,2,3\r\n",
        "csv-unclosed-quote": b"\x00" + b'a,b\r\n"1,2\r\n',
        "csv-text-after-quote": b"\x00" + b'a,b\r\n"1"x,2\r\n',
        "csv-not-utf8": b"\x00" + big5("條碼,名稱\r\nA1,蘋果\r\n"),
        "csv-only-header": b"\x00" + "條碼\r\n".encode(),
        "csv-cr-only": b"\x00" + b"a,b\r1,2\r",
        "tsv": b"\x01" + tsv,
        "tsv-empty-cells": b"\x01" + b"a\tb\tc\r\n\t\t\r\nx\r\n",
        "txt-tabs": b"\x02" + tsv,
        "txt-commas": b"\x02" + csv,
        "records": b"\x03" + barcode_records()["three"],
        "records-damaged": b"\x03" + barcode_records()["cut-to-twelve"],
    }


def batch_options():
    def args(*a):
        return b"\x00".join(x.encode("utf-8") for x in a)
    return {
        "layout": args("layout", "貨架標籤", "--output", "labels.pdf"),
        "format-records": args("format", "商品", "價格", "--records", "條碼檔.zip",
                               "--filter", "種類=食", "--filter=名稱=蘋"),
        "copies": args("--copies=3", "format", "a", "b", "--arrangement"),
        "resolution": args("--resolution", "6.8125", "--label-printer", "layout", "x"),
        "printer": args("--printer", "office", "--data", "/srv/labels", "layout", "x"),
        "dash-names": args("--", "format", "-a", "--b"),
        "help": args("--help"),
        "version": args("--version"),
        "both-kinds": args("--label-printer", "--page-printer", "layout", "x"),
        "bad-copies": args("--copies", "0", "layout", "x"),
        "value-missing": args("layout", "x", "--output"),
        "filter-without-records": args("--filter", "a=b", "format", "a", "b"),
        "inline-flag-value": args("--arrangement=1", "format", "a", "b"),
        "empty": b"",
    }


def clipboard_import():
    header = "條碼\t種類\t名稱\t自訂\r\n"
    rows = "A001\t食品\t蘋果\t紅\r\nB002\t文具\t鉛筆\t\r\n"
    many = header + "".join("A%03d\t食品\r\n" % i for i in range(160))
    return {
        "import": b"\x00\x04\x00\x00" + (header + rows).encode(),
        "import-lf": b"\x00\x04\x00\x00" + (header + rows).replace("\r\n", "\n").encode(),
        "import-no-header-match": b"\x00\x04\x00\x00" + "a\tb\r\n1\t2\r\n".encode(),
        "import-one-line": b"\x00\x04\x00\x00" + "條碼\t種類".encode(),
        "import-not-spreadsheet": b"\x00\x04\x00\x00" + "條碼\r\nA1\r\n".encode(),
        "import-too-many": b"\x00\x02\x00\x00" + many.encode(),
        "import-long-cells": b"\x00\x07\x00\x00" + (header + "A" * 40 + "\t" + "食" * 40
                                                    + "\r\n").encode(),
        "import-dirty-barcode": b"\x00\x04\x00\x00" + (header + "ab*12\t食,品\t\"x\"\r\n").encode(),
        "import-thirteen-fields": b"\x00\x07\x00\x00" + (header.strip() + "\t" * 12 + "\r\n"
                                                         + "1\t2\r\n").encode(),
        "paste": b"\x01\x04\x02\x01" + "x\ty\r\nz\tw\r\n".encode(),
        "paste-spaces": b"\x01\x04\x00\x00" + b"   ",
        "paste-emoji": b"\x01\x04\x00\x00" + "A1\t類😀\r\n".encode(),
        "paste-utf16-half-pair": b"\x03\x04\x00\x00" + "A1\t".encode("utf-16-le") + b"\x3d\xd8",
        "paste-at-last-row": b"\x01\x04\x96\x03" + "a\tb\tc\r\nd\r\n".encode(),
    }


def password_codec():
    return {
        "abc": b"\x00" + b"41A2A3A4",
        "big5": b"\x05" + "密碼".encode("utf-8"),
        "two-chars": b"\x00" + b"41",
        "odd-length": b"\x07" + b"41A2A",
        "not-hex": b"\x00" + b"ZZA2G1",
        "wraps": b"\x19" + b"5AFFFE",
        "lower-case": b"\x00" + b"41a2a3",
        "empty": b"",
        "lead-byte": b"\x03" + b"\xa4\x40\xa4",
    }


def update_markers():
    return {
        "version-tag": b"\x00" + b"bqv37\r\n",
        "line-tag": b"\x01" + b"bq_x2x\r\n",
        "twice": b"\x00" + b"bqv37\r\nbqv37\r\n",
        "other-lines": b"\x00" + big5("新版 已推出\r\nbqv36\r\n bqv37\r\n"),
        "lf-cr": b"\x01" + b"x\nbq_x2x\rbq_x2x",
        "lead-byte-before-line-end": b"\x00" + b"\xa4\r\nbqv37\r\n",
        "empty": b"",
    }


def batch_print():
    sep = b"\0\0\0"
    layouts = layout_files()
    formats = format_records()
    records = barcode_records()
    merged = barcode_format("商品", "價格") + label_format("商品", "價格", "{名稱}") + label_format(
        "商品", "價格", "{售價} 元", "120", "400")
    settings = settings_store()["typical"]
    return {
        "layout": b"\x00\x01" + layouts["two-items"],
        "layout-label-printer": b"\x02\x02" + layouts["two-items"] + sep + sep + settings,
        "layout-one-item": b"\x00\x00" + layouts["one-item"],
        "layout-big-font": b"\x00\x00" + layouts["big-font"],
        "layout-damaged": b"\x00\x00" + layouts["cut-short"],
        "layout-empty": b"\x00\x00",
        "format": b"\x01\x01" + formats["one-format"],
        "format-arranged": b"\x05\x02" + formats["two-formats"] + sep + sep + settings,
        "format-merged": b"\x01\x00" + merged + sep + records["three"],
        "format-merged-label-printer": b"\x03\x00" + merged + sep + records["reserved-kept"],
        "format-missing": b"\x01\x00" + formats["same-key-split"],
        "format-damaged-records": b"\x01\x00" + merged + sep + records["cut-to-twelve"],
        "format-huge-numbers": b"\x01\x00" + barcode_format("商品", "價格", "A1", "9" * 40,
                                                              "1e9") + sep + sep
        + settings_store()["huge-numbers"],
    }


def wmf_record(function, *words):
    import struct
    return struct.pack("<IH", 3 + len(words), function) + struct.pack(
        "<%dH" % len(words), *(w & 0xFFFF for w in words))


def wmf(body, objects=4, frame=(0, 0, 1000, 600), units_per_inch=1440, placeable=True):
    import struct
    body = body + wmf_record(0x0000)
    standard = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, objects, 0, 0)
    if not placeable:
        return standard + body
    head = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, *frame, units_per_inch, 0)
    checksum = 0
    for i in range(0, len(head), 2):
        checksum ^= struct.unpack_from("<H", head, i)[0]
    return head + struct.pack("<H", checksum) + standard + body


def dib(width, height, bits=24):
    import struct
    row = ((width * bits + 31) // 32) * 4
    colours = b"\x00\x00\x00\x00\xff\xff\xff\x00" if bits == 1 else b""
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, row * height, 2835, 2835,
                         len(colours) // 4, 0)
    return header + colours + bytes((i * 37) % 256 for i in range(row * height))


def bmp(width, height, bits=24):
    import struct
    body = dib(width, height, bits)
    offset = 14 + 40 + (8 if bits == 1 else 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


def pictures():
    r = wmf_record
    drawing = (r(0x020C, 600, 1000) + r(0x020B, 0, 0) + r(0x02FC, 0, 0x00FF, 0x0000, 0)
               + r(0x012D, 0) + r(0x02FA, 0, 10, 0, 0x0000, 0) + r(0x012D, 1)
               + r(0x041B, 500, 900, 100, 100) + r(0x0324, 3, 0, 0, 500, 0, 250, 400)
               + r(0x0418, 300, 300, 50, 50) + r(0x0214, 0, 0) + r(0x0213, 600, 1000))
    text = r(0x02FB, 120, 0, 0, 0, 400, 0, 0, 0, 0x4241, 0) + r(0x012D, 2) + r(0x0209, 0xFF, 0) \
        + r(0x0521, 2, 0x4241, 100, 100)
    blit = dib(4, 3)
    words = [blit[i] | (blit[i + 1] << 8) for i in range(0, len(blit) - 1, 2)]
    stretch = r(0x0F43, 0x0020, 0x00CC, 0, 3, 4, 0, 0, 300, 400, 100, 100, *words)
    return {
        "wmf-drawing": wmf(drawing),
        "wmf-text": wmf(text),
        "wmf-stretch-dib": wmf(stretch),
        "wmf-not-placeable": wmf(drawing, placeable=False),
        "wmf-save-restore-clip": wmf(r(0x001E) + r(0x0416, 500, 500, 0, 0) + r(0x0127, 0xFFFF)
                                     + r(0x0415, 10, 10, 0, 0)),
        "wmf-map-mode": wmf(r(0x0103, 8) + r(0x020C, 100, 100) + r(0x0410, 1, 2, 3, 4) + drawing),
        "wmf-cut-short": wmf(drawing)[:-10],
        "wmf-huge-record": wmf(b"") [:-6] + b"\xff\xff\xff\x7f\x1b\x04",
        "bmp-24": bmp(5, 4),
        "bmp-1": bmp(9, 2, 1),
        "bmp-claims-huge": bmp(3, 2)[:18] + (40000).to_bytes(4, "little", signed=True)
        + (40000).to_bytes(4, "little", signed=True) + bmp(3, 2)[26:],
        "gif": bytes.fromhex("47494638396101000100800000000000ffffff21f90401000000002c"
                             "000000000100010000020144003b"),
        "empty": b"",
        "text": "不是圖片".encode("cp950"),
    }


TARGETS = {
    "barcode_records": barcode_records,
    "format_records": format_records,
    "layout_files": layout_files,
    "settings_store": settings_store,
    "merge_source": merge_source,
    "batch_options": batch_options,
    "clipboard_import": clipboard_import,
    "password_codec": password_codec,
    "update_markers": update_markers,
    "batch_print": batch_print,
    "pictures": pictures,
}


def main():
    for target, make in TARGETS.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for old in folder.glob("seed-*"):
            old.unlink()
        for name, data in make().items():
            (folder / ("seed-" + name)).write_bytes(data)


if __name__ == "__main__":
    main()
