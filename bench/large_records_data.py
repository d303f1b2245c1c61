#!/usr/bin/env python3
"""Writes a Brevmark program folder with a large barcode record file for bench/large_records.sh,
the way an existing installation holds its data: code page 950 text, CR LF line ends.

usage: large_records_data.py FOLDER COUNT

記錄資料/條碼檔.zip holds COUNT records (barcodes TW-1000000, TW-1000001 ..., about 60 bytes a
line, so 1,000,000 records make a file of about 60 MB); 記錄資料/排版記錄.zip holds the format
商品/價格 (a barcode with the record's name and price as text labels) and TOP.reg the captions
條碼, 種類, 名稱, 售價.
"""

import os
import sys

CATEGORIES = ["飲料", "零食", "文具", "日用品", "冷凍食品", "生鮮蔬果"]
NAMES = ["烏龍茶", "綠茶", "洋芋片", "原子筆", "衛生紙", "水餃", "高麗菜", "牛奶"]


def quoted_line(fields, tail=None):
    parts = ['"%s"' % f for f in fields]
    if tail is not None:
        parts.append(str(tail))
    return ",".join(parts) + "\r\n"


def main(argv):
    folder, count = argv[1], int(argv[2])
    records = os.path.join(folder, "記錄資料")
    os.makedirs(records, exist_ok=True)
    os.makedirs(os.path.join(folder, "圖形資料"), exist_ok=True)
    captions = ["條碼", "種類", "名稱", "售價"] + ["自訂"] * 8
    settings = [("標籤A", "★".join(captions)), ("標籤_數量", "3"), ("列印解析度", "7.2"),
                ("印表裝置", "0")]
    with open(os.path.join(records, "TOP.reg"), "wb") as f:
        f.write("".join(quoted_line(kv) for kv in settings).encode("cp950"))
    formats = [
        ["商品", "價格", "條碼", "3600", "1200", "", "16777215", "1", "120 120 480",
         "False False False 0 10", "2 0 0 0", ""],
        ["商品", "價格", "標籤", "{名稱}", "2280", "60", "0", "12", "新細明體", "False False False",
         "", ""],
        ["商品", "價格", "標籤", "{售價}", "2280", "420", "0", "12", "新細明體", "False False False",
         "", ""],
    ]
    with open(os.path.join(records, "排版記錄.zip"), "wb") as f:
        f.write("".join(quoted_line(r, 1) for r in formats).encode("cp950"))
    with open(os.path.join(records, "條碼檔.zip"), "wb") as f:
        chunk = []
        for i in range(count):
            fields = ["TW-%d" % (1000000 + i), CATEGORIES[i % 6], NAMES[i % 8],
                      "NT$%d" % (25 + i % 300)] + [""] * 8
            chunk.append(quoted_line(fields, 1))
            if len(chunk) == 10000:
                f.write("".join(chunk).encode("cp950"))
                chunk = []
        f.write("".join(chunk).encode("cp950"))


if __name__ == "__main__":
    main(sys.argv)
