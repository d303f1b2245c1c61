#include "alignment/GuidePicture.h"
#include "alignment/SheetFormat.h"

#include "support/RowNames.h"
#include <QImage>

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::rowName;

namespace {

// One row of the guide picture table, as printed: picture size, the x of every vertical line
// (in pairs where the labels have gaps between their columns) and the y of every horizontal line.
struct GuideRow {
    int format;
    int width;
    int height;
    QList<int> verticals;
    bool gapsBetweenColumns;
    QList<int> horizontals;
};

QList<int> every(int step, int last) {
    QList<int> lines;
    for (int v = 0; v <= last; v += step)
        lines.append(v);
    return lines;
}

const QList<GuideRow>& table() {
    static const QList<GuideRow> rows{
        {24, 744, 1025, {0, 242, 250, 492, 501, 743}, true, every(128, 1024)},
        {30, 757, 1041, {0, 245, 255, 500, 511, 756}, true, every(104, 1040)},
        {68, 733, 1089, {0, 183, 366, 549, 732}, false, every(64, 1088)},
        {70,
         755,
         1032,
         {0, 150, 302, 452, 604, 754},
         false,
         {0, 74, 148, 222, 294, 368, 442, 515, 589, 663, 737, 809, 883, 957, 1031}},
        {95, 697, 1008, {0, 140, 278, 418, 556, 696}, false, every(53, 1007)},
        {96,
         737,
         1025,
         {0, 116, 124, 240, 248, 364, 372, 488, 496, 612, 620, 736},
         true,
         every(64, 1024)},
    };
    return rows;
}

// The picture drawn line by line: vertical lines over the whole height (the rows touch in every
// format), horizontal lines across each column of labels only, so that gaps stay grey.
QImage expectedPicture(const GuideRow& row) {
    const QRgb grey = qRgb(242, 242, 242);
    const QRgb red = qRgb(246, 169, 169);
    QImage image(row.width, row.height, QImage::Format_RGB32);
    image.fill(grey);
    for (int x : row.verticals)
        for (int y = row.horizontals.first(); y <= row.horizontals.last(); ++y)
            image.setPixel(x, y, red);
    QList<QPair<int, int>> columns;
    if (row.gapsBetweenColumns)
        for (int i = 0; i + 1 < row.verticals.size(); i += 2)
            columns.append({row.verticals[i], row.verticals[i + 1]});
    else
        columns.append({row.verticals.first(), row.verticals.last()});
    for (int y : row.horizontals)
        for (const auto& c : columns)
            for (int x = c.first; x <= c.second; ++x)
                image.setPixel(x, y, red);
    return image;
}

class GuidePictures : public ::testing::TestWithParam<GuideRow> {};

} // namespace

TEST_P(GuidePictures, MatchTheTablePixelForPixel) {
    const GuideRow& row = GetParam();
    const SheetFormat* format = SheetFormats::find(row.format);
    ASSERT_NE(format, nullptr);
    const QImage drawn = GuidePicture::draw(*format).convertToFormat(QImage::Format_RGB32);
    const QImage expected = expectedPicture(row);
    ASSERT_EQ(drawn.size(), expected.size());
    EXPECT_FALSE(drawn.hasAlphaChannel());
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (drawn.pixel(x, y) != expected.pixel(x, y) && differing++ < 5)
                ADD_FAILURE() << "pixel " << x << "," << y;
    EXPECT_EQ(differing, 0);
    // The last line lies on the last pixel column and row.
    EXPECT_EQ(drawn.pixelColor(row.width - 1, row.height - 1), GuidePicture::outline());
    EXPECT_EQ(format->pictureTwips(), QSizeF(row.width * 15.0, row.height * 15.0));
}

INSTANTIATE_TEST_SUITE_P(SixFormats, GuidePictures, ::testing::ValuesIn(table()),
                         [](const auto& info) { return std::to_string(info.param.format); });

TEST(SheetFormats, LabelSizesInTwips) {
    // Format 24: 3630 x 1920 with column gaps of 120 and 135; format 96: 1740 x 960, gaps 120.
    const SheetFormat* f24 = SheetFormats::find(24);
    EXPECT_EQ((f24->columns[0].second - f24->columns[0].first) * 15, 3630);
    EXPECT_EQ((f24->rows[0].second - f24->rows[0].first) * 15, 1920);
    EXPECT_EQ((f24->columns[1].first - f24->columns[0].second) * 15, 120);
    EXPECT_EQ((f24->columns[2].first - f24->columns[1].second) * 15, 135);
    const SheetFormat* f96 = SheetFormats::find(96);
    EXPECT_EQ((f96->columns[0].second - f96->columns[0].first) * 15, 1740);
    EXPECT_EQ(f96->columns.size(), 6);
    EXPECT_EQ(f96->rows.size(), 16);
    EXPECT_EQ(SheetFormats::find(70)->rows.size(), 14);
    EXPECT_EQ(SheetFormats::find(95)->rows.size(), 19);
    EXPECT_EQ(SheetFormats::find(25), nullptr);
}

struct AreaCase {
    double x;
    double y;
    int format; // 0 none
};

class WindowAreas : public ::testing::TestWithParam<AreaCase> {};

TEST_P(WindowAreas, BordersExcluded) {
    const SheetFormat* f = SheetFormats::atWindowPoint({GetParam().x, GetParam().y});
    EXPECT_EQ(f ? f->number : 0, GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Points, WindowAreas,
    ::testing::Values(AreaCase{391, 121, 24}, AreaCase{390, 500, 0}, AreaCase{2999, 3824, 24},
                      AreaCase{3000, 500, 0}, AreaCase{3131, 500, 30}, AreaCase{5814, 500, 30},
                      AreaCase{5881, 500, 68}, AreaCase{8489, 3824, 68}, AreaCase{1000, 3825, 0},
                      AreaCase{1000, 4081, 70}, AreaCase{3134, 5000, 0}, AreaCase{3136, 5000, 95},
                      AreaCase{6000, 8024, 96}, AreaCase{6000, 8025, 0}),
    [](const auto& info) {
        return rowName(QStringLiteral("at %1 %2").arg(info.param.x).arg(info.param.y));
    });
