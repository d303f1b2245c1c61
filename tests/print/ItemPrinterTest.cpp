#include "PrintDoubles.h"

#include "platform/MessageBoxes.h"
#include "print/ItemPrinter.h"
#include "print/PrintPictures.h"
#include "print/PrintSettings.h"
#include "support/ScriptedMessageBoxes.h"
#include "symbology/Code39Symbol.h"

#include "support/PageModelEdits.h"

#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

constexpr Fixed4 r72 = Fixed4::fromRaw(72000);

class ItemPrinterTest : public ::testing::Test {
protected:
    ItemPrinterTest() : pictures(loader, DataLocation(QStringLiteral("/nowhere"))) {}

    bool print(int index, int kind = 0, Fixed4 r = r72) {
        ItemPrinter printer(model.items(), tags, pictures);
        return printer.print(index, surface, PrintSettings{std::uint8_t(kind), r});
    }
    // The left and right edges of every bar of the symbol that starts at `left`: each run of bar
    // modules from its first line to the end of its last, barWidth × r twips a module.
    static QList<QPair<double, double>> expectedBars(const QString& text, int ratio, int barWidth,
                                                     double left, double r) {
        const Code39Symbol symbol = Code39Symbol::assemble(text, ratio);
        QList<QPair<double, double>> bars;
        const double module = barWidth * r;
        for (int m = 0; m < symbol.moduleCount(); ++m) {
            if (!symbol.isBar(m))
                continue;
            if (m > 0 && symbol.isBar(m - 1))
                bars.last().second += module;
            else
                bars.append({left + m * module, left + (m + 1) * module});
        }
        return bars;
    }

    PageModel model;
    TagTable tags;
    FakePictureLoader loader;
    PrintPictures pictures;
    RecordingSurface surface;
};

TEST_F(ItemPrinterTest, PagePrinterSnapsTheSymbolOriginToTheResolutionGrid) {
    test::putItem(model, 1, pageItem(600, 1200, QStringLiteral("1")));
    ASSERT_TRUE(print(1, 0));
    const QList<QRectF> bars = surface.blackFills();
    ASSERT_FALSE(bars.isEmpty());
    EXPECT_DOUBLE_EQ(bars.first().left(), 720);
    EXPECT_NEAR(bars.first().top(), 1317.6, 1e-9);
    EXPECT_NEAR(bars.first().bottom(), 1317.6 + 480, 1e-9);
    EXPECT_EQ(surface.ofKind(DrawCall::FillRect).first().rect, QRectF(600, 1200, 3600, 900));
}

TEST_F(ItemPrinterTest, LabelPrinterPutsTheItemAtThePageCorner) {
    test::putItem(model, 1, pageItem(600, 1200, QStringLiteral("1")));
    test::changeItem(model, 1, [](BarcodeItem& i) { i.border = 1; });
    ASSERT_TRUE(print(1, 1));
    EXPECT_NEAR(surface.blackFills().first().left(), 122.4, 1e-9);
    EXPECT_NEAR(surface.blackFills().first().top(), 122.4, 1e-9);
    EXPECT_EQ(surface.ofKind(DrawCall::FillRect).first().rect, QRectF(0, 0, 3600, 900));
    EXPECT_EQ(surface.ofKind(DrawCall::Rect).first().rect, QRectF(0, 0, 3600, 900));
}

TEST_F(ItemPrinterTest, BarWidthThreePrintsEachModuleThreeResolutionStepsWideAndSolid) {
    BarcodeItem item = pageItem(0, 0, QStringLiteral("A"));
    item.symbol.barWidth = 3;
    test::putItem(model, 1, item);
    ASSERT_TRUE(print(1, 1));
    const QList<QRectF> bars = surface.blackFills();
    const QList<QPair<double, double>> expected =
        expectedBars(QStringLiteral("A"), 0, 3, 122.4, 7.2);
    ASSERT_EQ(bars.size(), expected.size());
    for (int i = 0; i < bars.size(); ++i) {
        EXPECT_NEAR(bars[i].left(), expected[i].first, 1e-9) << "bar " << i;
        EXPECT_NEAR(bars[i].right(), expected[i].second, 1e-9) << "bar " << i;
    }
    // Three cells of 16 modules × 3 lines × 7.2 twips: 345.6 each, 1036.8 in all; the stop
    // cell's last bar is its 15th module, before the separating space.
    EXPECT_NEAR(bars.last().right(), 122.4 + 2 * 345.6 + 15 * 3 * 7.2, 1e-9);
    EXPECT_LT(bars.last().right(), 122.4 + 1036.8);
    EXPECT_EQ(surface.count(DrawCall::Line), 0);
}

TEST_F(ItemPrinterTest, AModuleFinerThanTheDotPrintsOneWholeDot) {
    // 3 twips a module on a 300-dpi printer (4.8 twips a dot): every module becomes one dot, so
    // bars and spaces keep their pattern instead of vanishing between dots.
    BarcodeItem item = pageItem(0, 0, QStringLiteral("A"));
    item.symbol.barWidth = 1;
    test::putItem(model, 1, item);
    surface.dpi = 300;
    ASSERT_TRUE(print(1, 1, Fixed4::fromRaw(30000)));
    // The symbol starts at snap(120) = 120 twips, 25 dots.
    const QList<QPair<double, double>> expected =
        expectedBars(QStringLiteral("A"), 0, 1, 120, 4.8);
    const QList<QRectF> bars = surface.blackFills();
    ASSERT_EQ(bars.size(), expected.size());
    for (int i = 0; i < bars.size(); ++i) {
        EXPECT_NEAR(bars[i].left(), expected[i].first, 1e-9) << "bar " << i;
        EXPECT_NEAR(bars[i].right(), expected[i].second, 1e-9) << "bar " << i;
    }
}

TEST_F(ItemPrinterTest, SpreadCharactersSitAtTheirCellsLeftEdges) {
    BarcodeItem item = pageItem(0, 0, QStringLiteral("A1-"));
    item.symbol.barWidth = 3;
    test::putItem(model, 1, item);
    ASSERT_TRUE(print(1, 1));
    const QList<DrawCall> texts = surface.ofKind(DrawCall::Text);
    ASSERT_EQ(texts.size(), 3);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(texts[j - 1].text, QStringLiteral("A1-").mid(j - 1, 1));
        EXPECT_NEAR(texts[j - 1].from.x(), 122.4 + j * 345.6, 1e-9);
        EXPECT_NEAR(texts[j - 1].from.y(), 122.4 + 480 + 45, 1e-9);
        EXPECT_EQ(texts[j - 1].font.family, QStringLiteral("新細明體"));
    }
}

TEST_F(ItemPrinterTest, DrawsBackgroundBorderLabelsImagesCentredTextThenBars) {
    BarcodeItem item = pageItem(1000, 2000, QStringLiteral("12"));
    item.border = 1;
    item.backColour = 0x00FF00;
    item.symbol.textAlignment = 1;
    test::putItem(model, 4, item);
    TextLabelItem label;
    label.caption = QStringLiteral("價格");
    label.left = 30;
    label.top = 40;
    label.foreColour = 0x0000FF;
    label.bold = true;
    tags.addLabel(4, label);
    ImageItem image;
    image.file = QStringLiteral("good.bmp");
    image.left = 10.5;
    image.top = 11.5;
    tags.addImage(4, image);

    ASSERT_TRUE(print(4, 0));
    QList<DrawCall::Kind> head;
    for (int i = 0; i < 7 && i < surface.calls.size(); ++i)
        head.append(surface.calls[i].kind);
    EXPECT_EQ(head, (QList<DrawCall::Kind>{DrawCall::FillRect, DrawCall::Rect, DrawCall::Clip,
                                           DrawCall::Text, DrawCall::Picture, DrawCall::Text,
                                           DrawCall::FillRect}));
    EXPECT_EQ(surface.calls[0].color, QColor(0, 255, 0));
    EXPECT_EQ(surface.calls[1].color, QColor(Qt::black));
    // Everything after the border stays inside the item, as on screen.
    EXPECT_EQ(surface.calls[2].rect, QRectF(1000, 2000, 3600, 900));
    EXPECT_EQ(surface.calls[3].from, QPointF(1030, 2040));
    EXPECT_EQ(surface.calls[3].color, QColor(0, 0, 255));
    EXPECT_TRUE(surface.calls[3].font.bold);
    // Image corners rounded to whole twips, halves to even.
    EXPECT_EQ(surface.calls[4].rect, QRectF(1010, 2012, 375, 375));
    // Centred: X + W / 2 − text width / 2 − 30 with W = 4 × 16 × 7.2 × 2 = 921.6.
    const double x = 1123.2; // snap(1120)
    EXPECT_NEAR(surface.calls[5].from.x(), x + 921.6 / 2 - 200.0 / 2 - 30, 1e-9);
    EXPECT_EQ(surface.calls[6].color, QColor(Qt::black));
    EXPECT_EQ(surface.count(DrawCall::Text), 2);
    EXPECT_EQ(surface.calls.last().kind, DrawCall::ResetClip);
}

TEST_F(ItemPrinterTest, PictureThatCannotBeDrawnStopsTheItemAndFails) {
    test::putItem(model, 3, pageItem(0, 0, QStringLiteral("X")));
    ImageItem image;
    image.file = QStringLiteral("broken.bmp");
    tags.addImage(3, image);
    surface.failingPictureSize = QSizeF(13, 13);
    EXPECT_FALSE(print(3, 0));
    EXPECT_TRUE(surface.blackFills().isEmpty()) << "no bars";
    EXPECT_EQ(surface.calls.last().kind, DrawCall::ResetClip) << "the next item is not clipped";
}

TEST_F(ItemPrinterTest, MissingPictureFileFailsTheSameWay) {
    test::putItem(model, 5, pageItem(0, 0, QStringLiteral("X")));
    ImageItem image;
    image.file = QStringLiteral("gone.jpg");
    tags.addImage(5, image);
    EXPECT_FALSE(print(5, 0));
    EXPECT_TRUE(surface.blackFills().isEmpty()) << "no bars";
}

TEST_F(ItemPrinterTest, EmptyTextPrintsOnlyTheItemAndZeroBarWidthBecomesTwo) {
    BarcodeItem item = pageItem(0, 0, QString());
    item.symbol.barWidth = 0;
    test::putItem(model, 1, item);
    ASSERT_TRUE(print(1, 0));
    EXPECT_EQ(surface.count(DrawCall::FillRect), 1);
    EXPECT_EQ(surface.count(DrawCall::Text), 0);
    EXPECT_EQ(model.items().at(1).symbol.barWidth, 2);
}

TEST_F(ItemPrinterTest, ImageWithoutFileIsNotPrinted) {
    test::putItem(model, 1, pageItem(0, 0, QStringLiteral("X")));
    tags.addImage(1, ImageItem{});
    EXPECT_TRUE(print(1, 0));
    EXPECT_EQ(surface.count(DrawCall::Picture), 0);
    EXPECT_EQ(loader.loads, 0);
}

TEST_F(ItemPrinterTest, ImagePrintsThePictureItHoldsWithoutReadingItsFile) {
    // The file was deleted (or replaced by something unreadable) after the picture was placed:
    // the page still shows the picture, so the print does too.
    test::putItem(model, 2, pageItem(0, 0, QStringLiteral("X")));
    ImageItem image;
    image.file = QStringLiteral("gone.jpg");
    QImage held(8, 8, QImage::Format_RGB32);
    held.fill(Qt::blue);
    image.picture = Picture::fromImage(held, QSizeF(120, 120));
    tags.addImage(2, image);
    EXPECT_TRUE(print(2, 0));
    EXPECT_EQ(surface.count(DrawCall::Picture), 1);
    EXPECT_EQ(loader.loads, 0);
    EXPECT_FALSE(surface.blackFills().isEmpty()) << "the bars print";
}

} // namespace
} // namespace brevmark::test
