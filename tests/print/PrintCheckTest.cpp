#include "PrintDoubles.h"

#include "print/PrintCheck.h"
#include "print/PrintSettings.h"
#include "support/PageModelEdits.h"

#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

using Fault = PrintCheck::Fault;

// One item of 3600 x 900 twips with a short symbol, changed by each row, printed on A4 with
// quarter-inch margins at 300 dpi (or on a 4 x 2 in label).
struct CheckCase {
    const char* name;
    int printerKind;
    QPointF place;        // where the item lies on the page
    QString text;
    int barWidth;
    double resolution;
    QList<Fault> expected;
};

class PrintCheckRows : public ::testing::TestWithParam<CheckCase> {};

TEST_P(PrintCheckRows, NamesWhatWouldComeOutWrong) {
    const CheckCase c = GetParam();
    PageModel model;
    BarcodeItem item = pageItem(c.place.x(), c.place.y(), c.text);
    item.symbol.barWidth = std::uint8_t(c.barWidth);
    test::putItem(model, 3, item);
    PrintSettings settings;
    settings.printerKind = std::uint8_t(c.printerKind);
    settings.resolution = Fixed4::fromDouble(c.resolution);
    PrintCheck::Paper paper;
    paper.dotTwips = 4.8;
    if (c.printerKind == 1) {
        paper.page = QSizeF(5760, 2880);
        paper.printable = QRectF(0, 0, 5760, 2880);
    } else {
        paper.page = QSizeF(11906, 16838);
        paper.printable = QRectF(360, 360, 11906 - 720, 16838 - 720);
    }
    const QList<PrintCheck::Finding> found =
        PrintCheck::check(model, {{3, c.place, false}}, settings, paper);
    QList<Fault> faults;
    for (const PrintCheck::Finding& f : found) {
        EXPECT_EQ(f.index, 3);
        faults << f.fault;
    }
    EXPECT_EQ(faults, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Items, PrintCheckRows,
    ::testing::Values(
        CheckCase{"FitsEverywhere", 0, {600, 600}, QStringLiteral("AB"), 2, 7.2, {}},
        // 14 characters at bar width 2: 16 cells of 230.4 twips pass the item's right edge.
        CheckCase{"SymbolLongerThanItsItem", 0, {600, 600}, QStringLiteral("ABCDEFGHIJKLMN"), 2, 7.2,
                  {Fault::SymbolClipped}},
        CheckCase{"ItemInTheMargin", 0, {120, 600}, QStringLiteral("AB"), 2, 7.2,
                  {Fault::BeyondPrintable}},
        CheckCase{"ItemOffThePage", 0, {10000, 600}, QStringLiteral("AB"), 2, 7.2,
                  {Fault::BeyondPage}},
        CheckCase{"FitsTheLabel", 1, {9000, 9000}, QStringLiteral("AB"), 2, 7.2, {}},
        CheckCase{"ModuleFinerThanADot", 0, {600, 600}, QStringLiteral("AB"), 1, 3.5,
                  {Fault::ModuleBelowDot}}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(PrintCheckTest, ALabelSmallerThanTheItemIsNamedInTheMessage) {
    PageModel model;
    BarcodeItem big = pageItem(0, 0, QStringLiteral("AB"));
    big.width = 7200;
    test::putItem(model, 5, big);
    PrintSettings settings;
    settings.printerKind = 1;
    PrintCheck::Paper label{QSizeF(5760, 2880), QRectF(0, 0, 5760, 2880), 1440.0 / 203};
    const QList<PrintCheck::Finding> found =
        PrintCheck::check(model, {{5, {0, 0}, false}}, settings, label);
    ASSERT_EQ(found, (QList<PrintCheck::Finding>{{5, Fault::BeyondLabel}}));
    const QString message = PrintCheck::message(found);
    EXPECT_TRUE(message.contains(QStringLiteral("條碼 5：比標籤紙大"))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral("是否仍要列印？")));
}

} // namespace
} // namespace brevmark::test
