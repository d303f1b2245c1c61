// Copies that follow the stored arrangement: rows left to right with the stored gaps from the
// stored start, new rows and pages as the page's width and height ask.
#include "print/ArrangedPrintPlan.h"

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

ArrangementSettings stored(const char* h, const char* v, const char* left, const char* top) {
    ArrangementSettings s;
    s.horizontalGap = QString::fromLatin1(h);
    s.verticalGap = QString::fromLatin1(v);
    s.startLeft = QString::fromLatin1(left);
    s.startTop = QString::fromLatin1(top);
    return s;
}

QList<QPointF> places(const QList<SimplePrintPlan::Copy>& copies) {
    QList<QPointF> list;
    for (const auto& c : copies)
        list << c.topLeft;
    return list;
}

QList<int> pageStarts(const QList<SimplePrintPlan::Copy>& copies) {
    QList<int> list;
    for (qsizetype i = 0; i < copies.size(); ++i)
        if (copies[i].newPageBefore)
            list << int(i);
    return list;
}

// The label page's A4 portrait (PaperTable).
const QSizeF a4(12000, 16700);

} // namespace

TEST(ArrangedPrintPlan, RowsWithTheStoredGapsFromTheStoredStart) {
    // Gaps 300 and 600 twips, start (150, 450); items 3600 x 1200: three to a row, since the
    // fourth would end at 11850 + 3600 + 120 > 12000.
    const auto copies =
        ArrangedPrintPlan::plan(5, stored("20", "40", "10", "30"), QSizeF(3600, 1200), a4, 0);
    EXPECT_EQ(places(copies),
              (QList<QPointF>{{150, 450}, {4050, 450}, {7950, 450}, {150, 2250}, {4050, 2250}}));
    EXPECT_EQ(pageStarts(copies), QList<int>());
}

TEST(ArrangedPrintPlan, ARowThatWouldPassThePageBottomStartsANewPage) {
    // Defaults (gaps 30, start 300); 900 high: rows at 300 + 930 k while top + 900 + 30 <= 16700,
    // that is 17 rows (the last at 15180), three to a row.
    const auto copies =
        ArrangedPrintPlan::plan(3 * 17 + 1, ArrangementSettings(), QSizeF(3600, 900), a4, 0);
    ASSERT_EQ(copies.size(), 52);
    EXPECT_EQ(copies[50].topLeft, QPointF(7560, 300 + 16 * 930));
    EXPECT_EQ(copies[51].topLeft, QPointF(300, 300));
    EXPECT_EQ(pageStarts(copies), QList<int>{51});
}

TEST(ArrangedPrintPlan, ACopyLargerThanThePageStillPrintsOneToAPage) {
    const auto copies =
        ArrangedPrintPlan::plan(2, ArrangementSettings(), QSizeF(20000, 20000), a4, 0);
    EXPECT_EQ(places(copies), (QList<QPointF>{{300, 300}, {300, 300}}));
    EXPECT_EQ(pageStarts(copies), QList<int>{1});
}

TEST(ArrangedPrintPlan, LabelPrinterPagesAndOtherKinds) {
    const auto label = ArrangedPrintPlan::plan(3, ArrangementSettings(), QSizeF(3600, 900), a4, 1);
    EXPECT_EQ(pageStarts(label), (QList<int>{1, 2}));
    EXPECT_TRUE(
        ArrangedPrintPlan::plan(3, ArrangementSettings(), QSizeF(3600, 900), a4, 2).isEmpty());
    EXPECT_TRUE(
        ArrangedPrintPlan::plan(0, ArrangementSettings(), QSizeF(3600, 900), a4, 0).isEmpty());
}
