// The retained screen image sets bar lines and lays out texts its own way for speed; what it
// shows must stay exactly what the painter draws.
#include "platform/ImageSurface.h"
#include "platform/FontMetricsTwips.h"

#include "common/Twips.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

constexpr QSizeF surfaceSize(3600, 900); // twips: 240 x 60 pixels

QImage blankLike(ImageSurface& surface, const QColor& background) {
    QImage image(surface.image().size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

QPointF pixels(QPointF twipsPoint) {
    return {twips::toPixels(twipsPoint.x()), twips::toPixels(twipsPoint.y())};
}

TEST(ImageSurfaceLines, UprightLinesAreThePaintersCosmeticLinesPixelForPixel) {
    ImageSurface surface(surfaceSize);
    QImage expected = blankLike(surface, Qt::white);
    QPainter reference(&expected);
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    pen.setWidth(1);
    pen.setCapStyle(Qt::FlatCap);
    reference.setPen(pen);
    // Every fraction of a pixel across and at both ends, both directions, a few lines reaching
    // out of the image, and one of no length.
    int x = -30;
    for (int start = -20; start < 60; start += 7) {
        for (int length = 1; length < 1000; length += 37, x += 8) {
            const QPointF from(x, start);
            const QPointF to(x, start + length);
            const bool upwards = (length / 37) % 2 == 1;
            surface.drawLine(upwards ? to : from, upwards ? from : to, Qt::black, 0);
            reference.drawLine(pixels(upwards ? to : from), pixels(upwards ? from : to));
        }
    }
    surface.drawLine({1200, 300}, {1200, 300}, Qt::black, 0);
    reference.drawLine(pixels({1200, 300}), pixels({1200, 300}));
    reference.end();
    EXPECT_EQ(surface.image(), expected);
}

TEST(ImageSurfaceLines, TranslucentAndLevelLinesGoThroughThePainter) {
    ImageSurface surface(surfaceSize);
    QImage expected = blankLike(surface, Qt::white);
    QPainter reference(&expected);
    QPen pen(QColor(0, 0, 255, 100));
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    reference.setPen(pen);
    surface.drawLine({300, 100}, {300, 700}, QColor(0, 0, 255, 100), 0);
    reference.drawLine(pixels({300, 100}), pixels({300, 700}));
    pen.setColor(Qt::red);
    reference.setPen(pen);
    surface.drawLine({100, 450}, {2000, 450}, Qt::red, 0);
    reference.drawLine(pixels({100, 450}), pixels({2000, 450}));
    reference.end();
    EXPECT_EQ(surface.image(), expected);
}

TEST(ImageSurfaceLines, ClearLeavesTheBackgroundOnly) {
    ImageSurface surface(surfaceSize, QColor(255, 255, 192));
    surface.drawLine({300, 0}, {300, 900}, Qt::black, 0);
    surface.drawText({100, 100}, QStringLiteral("AB"), TextFont{}, Qt::black);
    surface.clear();
    EXPECT_EQ(surface.image(), blankLike(surface, QColor(255, 255, 192)));
}

TEST(ImageSurfaceLines, AnImageSharedWithAnotherStillShowsNewLines) {
    ImageSurface surface(surfaceSize);
    const QImage before = surface.image(); // shares the pixels
    surface.drawLine({600, 0}, {600, 900}, Qt::black, 0);
    EXPECT_EQ(surface.image().pixelColor(40, 30), QColor(Qt::black));
}

struct TextCase {
    const char* name;
    double points;
    bool bold;
    bool italic;
    bool underline;
};

class ImageSurfaceText : public testing::TestWithParam<TextCase> {};

TEST_P(ImageSurfaceText, TextsAreThePaintersTextsPixelForPixel) {
    const TextCase c = GetParam();
    TextFont font;
    font.pointSize = c.points;
    font.bold = c.bold;
    font.italic = c.italic;
    font.underline = c.underline;
    ImageSurface surface(surfaceSize);
    QImage expected = blankLike(surface, Qt::white);
    QPainter reference(&expected);
    const QFont qfont = toQFont(font);
    reference.setFont(qfont);
    reference.setPen(Qt::black);
    const double ascent = QFontMetricsF(qfont, &expected).ascent();
    // Spread characters at fractional positions, each drawn twice (the second from what was laid
    // out before), and whole texts with Chinese.
    const QString spread = QStringLiteral("A100000-XY");
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < spread.size(); ++i) {
            const QPointF at(60 + i * 230 + pass * 7, 60 + pass * 300);
            surface.drawText(at, spread.mid(i, 1), font, Qt::black);
            const QPointF p = pixels(at);
            reference.drawText(QPointF(p.x(), p.y() + ascent), spread.mid(i, 1));
        }
    }
    surface.drawText({100, 600}, QStringLiteral("品名 NT$ 100"), font, Qt::black);
    const QPointF p = pixels({100, 600});
    reference.drawText(QPointF(p.x(), p.y() + ascent), QStringLiteral("品名 NT$ 100"));
    reference.end();
    EXPECT_EQ(surface.image(), expected);
}

INSTANTIATE_TEST_SUITE_P(Styles, ImageSurfaceText,
                         testing::Values(TextCase{"regular9", 9, false, false, false},
                                         TextCase{"regular10", 10, false, false, false},
                                         TextCase{"bold10", 10, true, false, false},
                                         TextCase{"italic12", 12, false, true, false},
                                         TextCase{"underline10", 10, false, false, true},
                                         TextCase{"all14", 14, true, true, true}),
                         [](const testing::TestParamInfo<TextCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
