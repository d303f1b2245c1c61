// Capture and apply of the format memory: record order, renumbering, number texts, part counts
// and damaged records.
#include "page/FormatMemory.h"
#include "page/FormatNumbers.h"

#include "support/RowNames.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::rowName;

namespace {

BarcodeItem sampleItem() {
    BarcodeItem item = BarcodeItem::blank({300, 600}, false);
    item.category = QStringLiteral("食品");
    item.name = QStringLiteral("餅乾");
    item.width = 3660;
    item.height = 1020.5f;
    item.symbol.text = QStringLiteral("AB-12");
    item.backColour = 0x0000FF; // blue
    item.symbol.showText = 1;
    item.symbol.symbolLeft = 180;
    item.symbol.symbolTop = 60.25f;
    item.symbol.barHeight = QStringLiteral("600");
    item.symbol.textBold = true;
    item.border = 1;
    item.symbol.textSize = 12;
    item.symbol.barWidth = 3;
    item.symbol.widthRatio = 2;
    item.symbol.textAlignment = 1;
    return item;
}

QStringList fields(const FormatRecord& r) {
    return r.toList();
}

TEST(FormatMemory, BarcodeRecordHasTheExactNumberTexts) {
    const FormatRecord r = FormatMemory::barcodeRecord(sampleItem());
    const QStringList expected{
        "食品",   "餅乾",     "條碼", "3660",          "1020.5",
        "AB-12",  "16711680", "1",    "180 60.25 600", "True False False 1 12",
        "3 2 1 0"};
    EXPECT_EQ(fields(r), expected);
}

TEST(FormatMemory, LabelAndImageRecordsHaveTheExactNumberTexts) {
    TextLabelItem label;
    label.caption = QStringLiteral("價格");
    label.left = 120;
    label.top = 7.2f;
    label.foreColour = 0xFF8000; // orange: red 255, green 128
    label.fontName = QStringLiteral("標楷體");
    label.italic = true;
    const FormatRecord l = FormatMemory::labelRecord(sampleItem(), label);
    EXPECT_EQ(fields(l), (QStringList{"食品", "餅乾", "標籤", "價格", "120", "7.2", "33023",
                                      "11.25", "標楷體", "False True False", ""}));

    ImageItem image;
    image.file = QStringLiteral("logo.jpg");
    image.left = 0;
    image.top = 45;
    image.width = 1500;
    image.height = 0.1f;
    const FormatRecord i = FormatMemory::imageRecord(sampleItem(), image);
    EXPECT_EQ(fields(i), (QStringList{"食品", "餅乾", "圖片", "logo.jpg", "0", "45", "1500", "0.1",
                                      "", "", ""}));
}

TEST(FormatMemory, CaptureOrdersByNumberAndApplyRenumbers) {
    TagTable tags;
    TextLabelItem three = TextLabelItem::added(60, 0);
    three.caption = QStringLiteral("三");
    TextLabelItem seven = TextLabelItem::added(120, 60);
    seven.caption = QStringLiteral("七");
    ImageItem image;
    image.left = 240;
    ASSERT_TRUE(tags.putLabel(5, 3, three));
    ASSERT_TRUE(tags.putLabel(5, 7, seven));
    ASSERT_TRUE(tags.putImage(5, 7, image));

    FormatMemory memory;
    memory.capture(sampleItem(), &tags.of(5));
    ASSERT_EQ(memory.count(), 4);
    EXPECT_EQ(memory.records()[0].kind(), "條碼");
    EXPECT_EQ(memory.records()[1][3], "三");
    EXPECT_EQ(memory.records()[2][3], "七");
    EXPECT_EQ(memory.records()[3].kind(), "圖片");

    BarcodeItem target = BarcodeItem::blank({0, 0}, false);
    const FormatMemory::Applied applied =
        memory.apply(target, 9, tags, [](const QString&) { return true; });
    EXPECT_EQ(applied.labels, (QList<int>{1, 2}));
    EXPECT_EQ(applied.images, (QList<int>{1}));
    ASSERT_NE(tags.label(9, 1), nullptr);
    EXPECT_EQ(tags.label(9, 1)->caption, "三");
    EXPECT_EQ(tags.label(9, 2)->caption, "七");
    EXPECT_EQ(tags.label(9, 2)->left, 120);
    EXPECT_EQ(tags.label(9, 3), nullptr);
    EXPECT_EQ(tags.image(9, 1)->left, 240);
    EXPECT_EQ(tags.image(9, 7), nullptr);
    EXPECT_EQ(target.width, 3660);
    EXPECT_EQ(target.symbol.text, "AB-12");
    EXPECT_EQ(target.backColour, QRgb(0x0000FF));
    EXPECT_EQ(target.symbol.barHeight, "600");
    EXPECT_EQ(target.symbol.textSize, 12);
    EXPECT_EQ(target.border, 1);
    EXPECT_EQ(target.symbol.widthRatio, 2);
}

TEST(FormatMemory, ApplySkipsNumbersInUseAndAddsNothingElse) {
    TagTable tags;
    TextLabelItem label = TextLabelItem::added(0, 0);
    FormatMemory memory;
    ASSERT_TRUE(tags.putLabel(1, 1, label));
    ASSERT_TRUE(tags.putLabel(1, 2, label));
    memory.capture(sampleItem(), &tags.of(1));
    TextLabelItem existing = TextLabelItem::added(0, 0);
    existing.caption = QStringLiteral("舊");
    ASSERT_TRUE(tags.putLabel(2, 1, existing));
    BarcodeItem target = BarcodeItem::blank({0, 0}, false);
    const auto applied = memory.apply(target, 2, tags, {});
    EXPECT_EQ(applied.labels, QList<int>{2});
    EXPECT_EQ(tags.label(2, 1)->caption, "舊");
}

TEST(FormatMemory, ItemWithoutTagsGivesOneRecord) {
    TagTable tags;
    FormatMemory memory;
    memory.capture(sampleItem(), &tags.of(4));
    EXPECT_EQ(memory.count(), 1);
    memory.capture(sampleItem(), nullptr);
    EXPECT_EQ(memory.count(), 1);
}

TEST(FormatMemory, CaptureCleansCaptionsOnThePage) {
    TagTable tags;
    TextLabelItem label = TextLabelItem::added(0, 0);
    label.caption = QStringLiteral(" a,b ");
    label.fitToCaption();
    const float wideWidth = label.width;
    ASSERT_TRUE(tags.putLabel(1, 1, label));
    TextLabelItem quoted = TextLabelItem::added(0, 0);
    quoted.caption = QStringLiteral("\"x\r\ny\"");
    ASSERT_TRUE(tags.putLabel(1, 2, quoted));
    FormatMemory memory;
    memory.capture(sampleItem(), &tags.of(1));
    EXPECT_EQ(memory.records()[1][3], "ab");
    EXPECT_EQ(tags.label(1, 1)->caption, "ab");
    EXPECT_LT(tags.label(1, 1)->width, wideWidth);
    EXPECT_EQ(tags.label(1, 2)->caption, "xy");
}

FormatRecord barcodeWith(int field, const QString& text) {
    FormatRecord r = FormatMemory::barcodeRecord(sampleItem());
    r[field] = text;
    return r;
}

TEST(FormatMemory, PartCountsDecideWhichBarcodeFieldsApply) {
    BarcodeItem item = BarcodeItem::blank({0, 0}, false);
    FormatMemory::applyBarcode(barcodeWith(8, "300 400"), item);
    EXPECT_EQ(item.symbol.symbolLeft, 120);
    EXPECT_EQ(item.symbol.barHeight, "480");
    FormatMemory::applyBarcode(barcodeWith(8, "300 400 720.50"), item);
    EXPECT_EQ(item.symbol.symbolLeft, 300);
    EXPECT_EQ(item.symbol.symbolTop, 400);
    EXPECT_EQ(item.symbol.barHeight, "720.5");

    item = BarcodeItem::blank({0, 0}, false);
    FormatMemory::applyBarcode(barcodeWith(9, "True True False"), item);
    EXPECT_FALSE(item.symbol.textBold);
    FormatMemory::applyBarcode(barcodeWith(9, "True True False 1"), item);
    EXPECT_TRUE(item.symbol.textBold);
    EXPECT_TRUE(item.symbol.textItalic);
    EXPECT_EQ(item.border, 1);
    EXPECT_EQ(item.symbol.textSize, 10);
    FormatMemory::applyBarcode(barcodeWith(9, "False False True 0 14"), item);
    EXPECT_EQ(item.symbol.textSize, 14);
    EXPECT_TRUE(item.symbol.textUnderline);
    FormatMemory::applyBarcode(barcodeWith(9, "False False True 0 16 9"), item);
    EXPECT_EQ(item.symbol.textSize, 14);

    item = BarcodeItem::blank({0, 0}, false);
    FormatMemory::applyBarcode(barcodeWith(10, "5 3 1"), item);
    EXPECT_EQ(item.symbol.barWidth, 2);
    FormatMemory::applyBarcode(barcodeWith(10, "5 3 1 0"), item);
    EXPECT_EQ(item.symbol.barWidth, 5);
    EXPECT_EQ(item.symbol.widthRatio, 3);
    EXPECT_EQ(item.symbol.textAlignment, 1);
}

TEST(FormatMemory, DamagedFieldsKeepSoundValues) {
    BarcodeItem item = BarcodeItem::blank({0, 0}, false);
    FormatRecord r = barcodeWith(6, "紅色");
    r[3] = "寬";
    r[4] = "0";
    r[9] = "maybe nope False 1 大";
    FormatMemory::applyBarcode(r, item);
    EXPECT_EQ(item.backColour, QRgb(0xFFFFFF));
    EXPECT_EQ(item.width, 3600);
    EXPECT_EQ(item.height, 900);
    EXPECT_FALSE(item.symbol.textBold);
    EXPECT_EQ(item.border, 1);
    EXPECT_EQ(item.symbol.textSize, 10);

    FormatRecord label;
    label[2] = FormatRecord::labelKind();
    label[3] = "x";
    label[4] = "左";
    label[5] = "12abc";
    label[6] = "#FF0000";
    label[7] = "";
    label[9] = "True 2 no";
    const TextLabelItem l = FormatMemory::labelFrom(label);
    EXPECT_EQ(l.left, 0);
    EXPECT_EQ(l.top, 0);
    EXPECT_EQ(l.foreColour, QRgb(0));
    EXPECT_EQ(l.fontSize, 11);
    EXPECT_EQ(l.fontName, "新細明體");
    EXPECT_TRUE(l.bold);
    EXPECT_TRUE(l.italic);
    EXPECT_FALSE(l.underline);
    EXPECT_GT(l.height, 0);

    FormatRecord picture;
    picture[2] = FormatRecord::pictureKind();
    picture[3] = "gone.jpg";
    picture[4] = "60";
    picture[5] = "120";
    picture[6] = "寬";
    picture[7] = "900";
    FormatMemory memory;
    memory.setRecords({picture, FormatRecord()});
    TagTable tags;
    BarcodeItem target = BarcodeItem::blank({0, 0}, false);
    const auto applied = memory.apply(target, 3, tags, [](const QString&) { return false; });
    ASSERT_EQ(applied.images, QList<int>{1});
    const ImageItem* image = tags.image(3, 1);
    EXPECT_EQ(image->file, "");
    EXPECT_EQ(image->left, 60);
    EXPECT_EQ(image->top, 120);
    EXPECT_EQ(image->width, 375);
    EXPECT_EQ(image->height, 900);
}

TEST(FormatMemory, NumbersBeyondSinglePrecisionStayFinite) {
    // A hand-edited or damaged layout can hold a size of sixty digits: it used to become an
    // infinite item that no view can place, draw or save back.
    const QString huge(60, QLatin1Char('9'));
    BarcodeItem item = BarcodeItem::blank({0, 0}, false);
    FormatRecord r = barcodeWith(6, "紅色");
    r[3] = huge;
    r[4] = huge;
    FormatMemory::applyBarcode(r, item);
    EXPECT_TRUE(std::isfinite(item.width) && std::isfinite(item.height));

    FormatRecord label;
    label[2] = FormatRecord::labelKind();
    label[3] = "x";
    label[4] = huge;
    label[5] = "-" + huge;
    const TextLabelItem l = FormatMemory::labelFrom(label);
    EXPECT_TRUE(std::isfinite(l.left) && std::isfinite(l.top));
}

TEST(FormatMemory, LabelSizeGoesThroughAWholePointSize) {
    TextLabelItem label = TextLabelItem::added(0, 0);
    label.fontSize = 16;
    label.caption = QStringLiteral("ABC");
    FormatRecord r = FormatMemory::labelRecord(sampleItem(), label);
    EXPECT_EQ(FormatMemory::labelFrom(r).fontSize, 16);
    r[7] = "11.25";
    EXPECT_EQ(FormatMemory::labelFrom(r).fontSize, 11);
}

struct ColourCase {
    QRgb colour;
    const char* text;
};
class ColourText : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourText, RedIsTheLowByte) {
    EXPECT_EQ(FormatNumbers::colourText(GetParam().colour), GetParam().text);
    EXPECT_EQ(FormatNumbers::colourFromText(GetParam().text), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ColourText,
    ::testing::Values(ColourCase{0xFFFFFF, "16777215"}, ColourCase{0xFF0000, "255"},
                      ColourCase{0x00FF00, "65280"}, ColourCase{0x0000FF, "16711680"},
                      ColourCase{0x000000, "0"}),
    [](const auto& info) { return rowName(QString::fromUtf8(info.param.text)); });

TEST(FormatNumbers, BooleansAreWordsOrNumbers) {
    EXPECT_EQ(FormatNumbers::boolFromText("True"), true);
    EXPECT_EQ(FormatNumbers::boolFromText("false"), false);
    EXPECT_EQ(FormatNumbers::boolFromText("-1"), true);
    EXPECT_EQ(FormatNumbers::boolFromText("0"), false);
    EXPECT_EQ(FormatNumbers::boolFromText("yes"), std::nullopt);
    EXPECT_EQ(FormatNumbers::boolFromText(""), std::nullopt);
    EXPECT_EQ(FormatNumbers::strictNumber(" 12.5 "), 12.5);
    EXPECT_EQ(FormatNumbers::strictNumber("12abc"), std::nullopt);
}

} // namespace
