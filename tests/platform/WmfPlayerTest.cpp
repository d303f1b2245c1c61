#include "WmfTestWriter.h"

#include "platform/PainterSurface.h"
#include "platform/WmfPlayer.h"
#include "platform/WmfTextCodec.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QPainter>

#include <functional>
#include <random>

#include <gtest/gtest.h>

namespace brevmark {
namespace {

using test::WmfTestWriter;

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(BREVMARK_TEST_DATA_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Draws the picture stretched over a white image of the given pixel size, as the screen does.
QImage render(const Picture& picture, QSize pixels) {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(&painter, 96);
    EXPECT_TRUE(
        surface.drawPicture(picture, QRectF(0, 0, pixels.width() * 15.0, pixels.height() * 15.0)));
    return image;
}

// How many pixels of the area are close to the colour.
int countNear(const QImage& image, QRect area, QColor color, int tolerance = 40) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - color.red()) <= tolerance &&
                std::abs(c.green() - color.green()) <= tolerance &&
                std::abs(c.blue() - color.blue()) <= tolerance)
                ++n;
        }
    return n;
}

Picture loadFixture(const char* name) {
    QString error;
    const Picture picture = WmfPlayer::load(fixture(name), &error);
    EXPECT_FALSE(picture.isNull()) << name << ": " << error.toStdString();
    return picture;
}

// The fixtures were drawn on a 200 x 100 canvas of 2 x 1 inches; rendering at 200 x 100 pixels
// puts every shape at its source coordinates.
TEST(WmfFixture, ShapesFromInkscapeLandWhereTheSourceDrewThem) {
    const Picture picture = loadFixture("inkscape-shapes.wmf");
    EXPECT_DOUBLE_EQ(picture.naturalSize().width(), 2399 * 1440.0 / 1200);
    EXPECT_DOUBLE_EQ(picture.naturalSize().height(), 1199 * 1440.0 / 1200);
    const QImage image = render(picture, {200, 100});
    EXPECT_EQ(image.pixelColor(40, 30), QColor(255, 0, 0)) << "red rectangle";
    EXPECT_EQ(image.pixelColor(12, 12), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(75, 30), QColor(Qt::white)) << "right of the rectangle";
    EXPECT_EQ(image.pixelColor(140, 30), QColor(0, 0, 255)) << "ellipse centre";
    EXPECT_EQ(image.pixelColor(140, 14), QColor(0, 0, 255)) << "inside the ellipse top";
    EXPECT_EQ(image.pixelColor(103, 12), QColor(Qt::white)) << "outside the ellipse corner";
    EXPECT_EQ(image.pixelColor(60, 80), QColor(0, 160, 0)) << "triangle";
    EXPECT_EQ(image.pixelColor(25, 65), QColor(Qt::white)) << "beside the triangle";
    EXPECT_EQ(image.pixelColor(150, 70), QColor(Qt::black)) << "4-wide polyline";
    EXPECT_EQ(image.pixelColor(190, 85), QColor(Qt::black)) << "polyline's second leg";
    EXPECT_EQ(image.pixelColor(150, 80), QColor(Qt::white));
}

TEST(WmfFixture, ScalesToAnyTargetSize) {
    const QImage image = render(loadFixture("inkscape-shapes.wmf"), {400, 100});
    EXPECT_EQ(image.pixelColor(80, 30), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(150, 30), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(280, 30), QColor(0, 0, 255));
}

TEST(WmfFixture, EmbeddedBitmapIsStretchedIntoItsRectangle) {
    const QImage image = render(loadFixture("inkscape-image.wmf"), {200, 100});
    EXPECT_EQ(image.pixelColor(60, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(140, 50), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(22, 22), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(178, 78), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(190, 90), QColor(Qt::white));
}

TEST(WmfFixture, TextIsDrawnInItsColourAboveTheBaseline) {
    const QImage image = render(loadFixture("inkscape-text.wmf"), {200, 100});
    // "HI" in navy, 50 units high, baseline at y 60 from x 10.
    EXPECT_GT(countNear(image, QRect(10, 20, 80, 40), QColor(0, 0, 128)), 200);
    EXPECT_EQ(countNear(image, QRect(0, 62, 100, 38), QColor(0, 0, 128)), 0);
    EXPECT_EQ(countNear(image, QRect(0, 0, 100, 18), QColor(0, 0, 128)), 0);
    // The second text (characters the exporter could not keep) is green, right of x 110.
    EXPECT_GT(countNear(image, QRect(110, 30, 90, 31), QColor(0, 128, 0)), 20);
    EXPECT_EQ(countNear(image, QRect(0, 0, 105, 100), QColor(0, 128, 0)), 0);
}

TEST(WmfFixture, PlainHeaderTakesItsSizeFromTheWindowExtent) {
    // The same drawing without the placeable header: 96 logical units per inch.
    const QByteArray plain = fixture("inkscape-shapes.wmf").mid(22);
    QString error;
    const Picture picture = WmfPlayer::load(plain, &error);
    ASSERT_FALSE(picture.isNull()) << error.toStdString();
    EXPECT_DOUBLE_EQ(picture.naturalSize().width(), 2399 * 15.0);
    EXPECT_DOUBLE_EQ(picture.naturalSize().height(), 1199 * 15.0);
    const QImage image = render(picture, {200, 100});
    EXPECT_EQ(image.pixelColor(40, 30), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(140, 30), QColor(0, 0, 255));
}

// LibreOffice Draw writes a different mix: 1/100 mm window units, SAVEDC/RESTOREDC around every
// shape, a clip rectangle, POLYPOLYGON fills, and comment escapes.
TEST(WmfFixture, ShapesFromLibreOfficeLandWhereTheSourceDrewThem) {
    const Picture picture = loadFixture("lo-shapes.wmf");
    EXPECT_DOUBLE_EQ(picture.naturalSize().width(), 2880);
    EXPECT_DOUBLE_EQ(picture.naturalSize().height(), 1440);
    const QImage image = render(picture, {200, 100});
    EXPECT_EQ(image.pixelColor(40, 30), QColor(255, 0, 0)) << "red rectangle";
    EXPECT_EQ(image.pixelColor(75, 30), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(140, 30), QColor(0, 0, 255)) << "ellipse";
    EXPECT_EQ(image.pixelColor(103, 12), QColor(Qt::white)) << "outside the ellipse corner";
    EXPECT_EQ(image.pixelColor(60, 75), QColor(0, 160, 0)) << "rounded rectangle";
    EXPECT_EQ(image.pixelColor(21, 61), QColor(Qt::white)) << "its rounded corner";
    EXPECT_GE(countNear(image, QRect(19, 70, 3, 10), Qt::black), 10) << "its left outline";
    EXPECT_EQ(image.pixelColor(150, 70), QColor(Qt::black)) << "line";
    EXPECT_EQ(image.pixelColor(150, 80), QColor(Qt::white));
}

TEST(WmfFixture, BitmapFromLibreOffice) {
    const QImage image = render(loadFixture("lo-image.wmf"), {200, 100});
    EXPECT_EQ(image.pixelColor(60, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(140, 50), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
}

TEST(WmfFixture, ChineseTextFromLibreOffice) {
    // "AB" and two ideographs in navy, 28 points, from (0.1, 0.2) inch; LibreOffice writes the
    // ideographs with a GB2312 font, so they must be read as such and drawn after "AB".
    const QImage image = render(loadFixture("lo-text.wmf"), {200, 100});
    const QColor navy(0, 0, 128);
    EXPECT_GT(countNear(image, QRect(10, 20, 40, 40), navy, 60), 100) << "AB";
    EXPECT_GT(countNear(image, QRect(60, 20, 70, 40), navy, 60), 200) << "ideographs";
    EXPECT_EQ(countNear(image, QRect(0, 70, 200, 30), navy, 60), 0);
}

TEST(WmfTextCodec, ReadsTextByTheFontCharacterSet) {
    const QByteArray big5 = test::pythonCp950(QStringLiteral("中文"));
    EXPECT_EQ(WmfTextCodec(136, "Arial").decode(big5), QStringLiteral("中文"));
    EXPECT_EQ(WmfTextCodec(1, "Arial").decode(big5), QStringLiteral("中文")) << "default set";
    EXPECT_EQ(WmfTextCodec(134, "Arial").decode(QByteArray("\xd6\xd0\xce\xc4")),
              QStringLiteral("中文"))
        << "GB2312";
    EXPECT_EQ(WmfTextCodec(0, "Arial").decode(QByteArray("caf\xe9")), QStringLiteral("café"));
    // A Western set on a Chinese face is how Chinese programs often write Big5 text.
    const WmfTextCodec chineseFace(0, test::pythonCp950(QStringLiteral("新細明體")));
    EXPECT_EQ(chineseFace.faceName(), QStringLiteral("新細明體"));
    EXPECT_EQ(chineseFace.decode(big5), QStringLiteral("中文"));
    EXPECT_TRUE(chineseFace.isLeadByte(uchar(big5[0])));
    EXPECT_FALSE(WmfTextCodec(0, "Arial").isLeadByte(0xA4));
}

// Hand-built files for records the exporters do not write.
TEST(WmfRecords, RectangleEllipseAndObjectSlots) {
    WmfTestWriter w(QRect(0, 0, 100, 100), 100, 4);
    w.windowExt(100, 100)
        .brush(0, WmfTestWriter::rgb(255, 0, 0)) // slot 0
        .pen(5, 0, 0)                            // slot 1, no outline
        .brush(0, WmfTestWriter::rgb(0, 0, 255)) // slot 2
        .select(0)
        .select(1)
        .rectangle(0, 0, 50, 50)
        .record(0x01F0, {0}) // delete slot 0: the next brush reuses it
        .brush(0, WmfTestWriter::rgb(0, 255, 0))
        .select(0)
        .ellipse(50, 50, 100, 100)
        .select(2)
        .rectangle(60, 0, 100, 40);
    QString error;
    const Picture picture = WmfPlayer::load(w.bytes(), &error);
    ASSERT_FALSE(picture.isNull()) << error.toStdString();
    EXPECT_DOUBLE_EQ(picture.naturalSize().width(), 1440);
    const QImage image = render(picture, {100, 100});
    EXPECT_EQ(image.pixelColor(25, 25), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(75, 75), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(52, 52), QColor(Qt::white)) << "ellipse corner";
    EXPECT_EQ(image.pixelColor(80, 20), QColor(0, 0, 255));
}

TEST(WmfRecords, SaveAndRestoreStateAndClipping) {
    WmfTestWriter w(QRect(0, 0, 100, 100), 100, 4);
    w.windowExt(100, 100)
        .brush(0, WmfTestWriter::rgb(0, 0, 0))
        .pen(5, 0, 0)
        .select(0)
        .select(1)
        .record(0x001E, {})             // SAVEDC
        .record(0x0416, {50, 50, 0, 0}) // intersect clip to (0,0)-(50,50)
        .rectangle(0, 0, 100, 100)      // only the top-left quarter shows
        .record(0x0127, {qint32(-1)})   // RESTOREDC lifts the clip
        .brush(0, WmfTestWriter::rgb(255, 0, 0))
        .select(2)
        .rectangle(60, 60, 100, 100);
    QString error;
    const Picture picture = WmfPlayer::load(w.bytes(), &error);
    ASSERT_FALSE(picture.isNull()) << error.toStdString();
    const QImage image = render(picture, {100, 100});
    EXPECT_EQ(image.pixelColor(25, 25), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(75, 25), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(25, 75), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(80, 80), QColor(255, 0, 0));
}

TEST(WmfRecords, WindowOriginShiftsTheDrawing) {
    WmfTestWriter w(QRect(0, 0, 100, 100), 100, 2);
    w.windowOrg(100, 100)
        .windowExt(100, 100)
        .brush(0, WmfTestWriter::rgb(0, 0, 255))
        .pen(5, 0, 0)
        .select(0)
        .select(1)
        .rectangle(100, 100, 150, 150);
    const QImage image = render(WmfPlayer::load(w.bytes()), {100, 100});
    EXPECT_EQ(image.pixelColor(25, 25), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(75, 75), QColor(Qt::white));
}

TEST(WmfRecords, StretchDibDrawsTheBitmapUpright) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 255, 0));
    source.setPixel(0, 1, qRgb(0, 0, 255));
    source.setPixel(1, 1, qRgb(0, 0, 0));
    WmfTestWriter w(QRect(0, 0, 100, 100), 100);
    w.windowExt(100, 100).stretchDib(source, 0, 0, 100, 100);
    QString error;
    const Picture picture = WmfPlayer::load(w.bytes(), &error);
    ASSERT_FALSE(picture.isNull()) << error.toStdString();
    const QImage image = render(picture, {100, 100});
    EXPECT_EQ(image.pixelColor(25, 25), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(75, 25), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(25, 75), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(75, 75), QColor(0, 0, 0));
}

QImage renderText(int charset, const QByteArray& face, const QByteArray& text) {
    WmfTestWriter w(QRect(0, 0, 400, 100), 100, 2);
    w.windowExt(400, 100)
        .font(-60, charset, face)
        .select(0)
        .record(0x0102, {1})
        .textOut(10, 10, text);
    QString error;
    const Picture picture = WmfPlayer::load(w.bytes(), &error);
    EXPECT_FALSE(picture.isNull()) << error.toStdString();
    return render(picture, {400, 100});
}

TEST(WmfRecords, TextBytesAreReadInTheFontsCodePage) {
    // The same ideographs in Big5 under the Chinese character set and in GBK under GB2312 draw
    // the same pixels; the Big5 bytes read as Western text draw something else.
    const QByteArray big5 = test::pythonCp950(QStringLiteral("中文"));
    const QByteArray face = "Arial";
    const QImage asBig5 = renderText(136, face, big5);
    EXPECT_GT(countNear(asBig5, QRect(0, 0, 400, 100), Qt::black, 60), 100);
    EXPECT_EQ(renderText(134, face, QByteArray("\xd6\xd0\xce\xc4")), asBig5);
    EXPECT_EQ(renderText(1, face, big5), asBig5) << "default set is code page 950";
    EXPECT_NE(renderText(0, face, big5), asBig5);
}

// Small files of one or two records each, drawn on a 100 x 100 frame at 100 units per inch and
// rendered at 100 x 100 pixels, with pixels that must and must not be painted.
struct RecordCase {
    const char* name;
    std::function<void(WmfTestWriter&)> build;
    std::vector<std::pair<QPoint, QColor>> pixels;
};

class RecordDrawing : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordDrawing, PaintsWhereGdiWould) {
    WmfTestWriter w(QRect(0, 0, 100, 100), 100, 4);
    w.windowExt(100, 100);
    GetParam().build(w);
    QString error;
    const Picture picture = WmfPlayer::load(w.bytes(), &error);
    ASSERT_FALSE(picture.isNull()) << error.toStdString();
    const QImage image = render(picture, {100, 100});
    for (const auto& [point, color] : GetParam().pixels)
        EXPECT_EQ(image.pixelColor(point), color) << "at " << point.x() << "," << point.y();
}

// A packed bitmap of the given depth, palette and raw rows (as stored, bottom row first for a
// positive height).
QByteArray dib(int width, int height, int bits, const QList<QRgb>& palette,
               const QByteArray& rows) {
    QByteArray d;
    WmfTestWriter::appendDword(d, 40);
    WmfTestWriter::appendDword(d, quint32(width));
    WmfTestWriter::appendDword(d, quint32(height));
    WmfTestWriter::appendWord(d, 1);
    WmfTestWriter::appendWord(d, quint16(bits));
    for (int i = 0; i < 6; ++i)
        WmfTestWriter::appendDword(d, i == 4 ? quint32(palette.size()) : 0);
    for (QRgb c : palette) {
        d += char(qBlue(c));
        d += char(qGreen(c));
        d += char(qRed(c));
        d += '\0';
    }
    return d + rows;
}

const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), white(Qt::white), black(Qt::black);

std::vector<RecordCase> recordCases() {
    const auto solid = [](WmfTestWriter& w, quint32 color) {
        w.brush(0, color).pen(5, 0, 0).select(0).select(1);
    };
    return {
        {"MoveToLineTo",
         [](WmfTestWriter& w) {
             w.pen(0, 10, WmfTestWriter::rgb(255, 0, 0)).select(0);
             w.record(0x0214, {50, 0}).record(0x0213, {50, 100});
         },
         {{{50, 50}, red}, {{50, 48}, red}, {{50, 40}, white}}},
        {"PolylineIsNotFilled",
         [](WmfTestWriter& w) {
             w.pen(0, 4, 0).select(0).brush(0, WmfTestWriter::rgb(255, 0, 0)).select(1);
             w.record(0x0325, {3, 10, 10, 90, 10, 90, 90});
         },
         {{{50, 10}, black}, {{90, 50}, black}, {{70, 30}, white}}},
        {"YAxisPointingUp",
         [solid](WmfTestWriter& w) {
             w.windowOrg(0, 100).windowExt(100, -100);
             solid(w, WmfTestWriter::rgb(0, 0, 255));
             w.rectangle(0, 0, 50, 50);
         },
         {{{25, 75}, blue}, {{25, 25}, white}, {{75, 75}, white}}},
        {"PieFromThreeOClockToTwelve",
         [solid](WmfTestWriter& w) {
             solid(w, WmfTestWriter::rgb(0, 255, 0));
             w.record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0});
         },
         {{{70, 30}, green}, {{30, 30}, white}, {{70, 70}, white}, {{30, 70}, white}}},
        {"RoundRectLeavesItsCornersOut",
         [solid](WmfTestWriter& w) {
             solid(w, WmfTestWriter::rgb(255, 0, 0));
             w.record(0x061C, {40, 40, 100, 100, 0, 0});
         },
         {{{50, 50}, red}, {{2, 2}, white}, {{97, 97}, white}, {{50, 2}, red}}},
        {"PatBltFillsWithTheBrush",
         [solid](WmfTestWriter& w) {
             solid(w, WmfTestWriter::rgb(0, 0, 255));
             w.record(0x061D, {0x0021, 0x00F0, 50, 50, 0, 0});
         },
         {{{25, 25}, blue}, {{75, 75}, white}}},
        {"ExtTextOutOpaqueRectangle",
         [](WmfTestWriter& w) {
             w.record(0x0201, {0, 0xFF}); // background blue
             w.record(0x0A32, {0, 0, 0, 2, 0, 0, 50, 50});
         },
         {{{25, 25}, blue}, {{75, 75}, white}}},
        {"EightBitPaletteBitmapByDibStretchBlt",
         [](WmfTestWriter& w) {
             QByteArray p;
             WmfTestWriter::appendDword(p, 0x00CC0020);
             for (int v : {1, 2, 0, 0, 100, 100, 0, 0})
                 WmfTestWriter::appendWord(p, quint16(v));
             p += dib(2, 1, 8, {qRgb(255, 0, 0), qRgb(0, 0, 255)}, QByteArray("\0\1\0\0", 4));
             w.raw(0x0B41, p);
         },
         {{{25, 50}, red}, {{75, 50}, blue}}},
        {"OneBitTopDownBitmapByStretchDib",
         [](WmfTestWriter& w) {
             QByteArray p;
             WmfTestWriter::appendDword(p, 0x00CC0020);
             for (int v : {0, 2, 2, 0, 0, 100, 100, 0, 0})
                 WmfTestWriter::appendWord(p, quint16(v));
             // Top row: black, white; bottom row: white, black.
             p += dib(2, -2, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)},
                      QByteArray("\x40\0\0\0\x80\0\0\0", 8));
             w.raw(0x0F43, p);
         },
         {{{25, 25}, black}, {{75, 25}, white}, {{25, 75}, white}, {{75, 75}, black}}},
        {"DeletedObjectSelectionIsIgnored",
         [solid](WmfTestWriter& w) {
             solid(w, WmfTestWriter::rgb(255, 0, 0));
             w.record(0x01F0, {0}).select(0).select(7).rectangle(0, 0, 50, 50);
         },
         {{{25, 25}, red}}},
    };
}

INSTANTIATE_TEST_SUITE_P(Records, RecordDrawing, ::testing::ValuesIn(recordCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WmfRecords, OpaqueHatchMixesHatchAndBackground) {
    WmfTestWriter w(QRect(0, 0, 100, 100), 100, 4);
    w.windowExt(100, 100).record(0x0201, {0xFF00, 0}).record(0x0102, {2});
    w.brush(2, WmfTestWriter::rgb(255, 0, 0), 0).pen(5, 0, 0).select(0).select(1);
    w.rectangle(0, 0, 100, 100);
    const QImage image = render(WmfPlayer::load(w.bytes()), {100, 100});
    const QRect inside(5, 5, 90, 90);
    const int greens = countNear(image, inside, QColor(0, 255, 0), 10);
    const int reds = countNear(image, inside, QColor(255, 0, 0), 10);
    EXPECT_GT(greens, 1000);
    EXPECT_GT(reds, 100);
    EXPECT_EQ(greens + reds, inside.width() * inside.height());
}

TEST(WmfRecords, PlainFileWithoutExtentIsSizedByWhatItDraws) {
    // Neither header nor window gives a size: one unit is one screen pixel (15 twips) and the
    // frame is the drawing's extent.
    WmfTestWriter w(2);
    w.brush(0, WmfTestWriter::rgb(255, 0, 0)).pen(5, 0, 0).select(0).select(1);
    w.rectangle(10, 10, 60, 40);
    QString error;
    const Picture picture = WmfPlayer::load(w.bytes(), &error);
    ASSERT_FALSE(picture.isNull()) << error.toStdString();
    EXPECT_EQ(picture.naturalSize(), QSizeF(750, 450));
    const QImage image = render(picture, {50, 30});
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(48, 28), QColor(255, 0, 0));
}

TEST(WmfRecords, TwipsMapModeCountsYUpwards) {
    // MM_TWIPS: a 1 x 0.5 inch rectangle drawn below the origin (negative y).
    WmfTestWriter w(2);
    w.record(0x0103, {6});
    w.brush(0, WmfTestWriter::rgb(0, 0, 255)).pen(5, 0, 0).select(0).select(1);
    w.rectangle(0, 0, 1440, -720);
    QString error;
    const Picture picture = WmfPlayer::load(w.bytes(), &error);
    ASSERT_FALSE(picture.isNull()) << error.toStdString();
    EXPECT_EQ(picture.naturalSize(), QSizeF(1440, 720));
}

// Damaged and hostile files are refused with a reason, never drawn or allocated.
struct Damage {
    const char* name;
    QByteArray bytes;
};

class WmfRefusal : public ::testing::TestWithParam<Damage> {};

TEST_P(WmfRefusal, IsRefusedWithAReason) {
    QString error;
    const Picture picture = WmfPlayer::load(GetParam().bytes, &error);
    EXPECT_TRUE(picture.isNull());
    EXPECT_FALSE(error.isEmpty());
}

QByteArray withDword(QByteArray bytes, int at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

QByteArray withWord(QByteArray bytes, int at, quint16 value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
    return bytes;
}

std::vector<Damage> damages() {
    const QByteArray shapes = fixture("inkscape-shapes.wmf");
    const QByteArray image = fixture("inkscape-image.wmf");
    // First record after the 22-byte placeable and 18-byte standard headers.
    constexpr int firstRecord = 40;
    // The STRETCHDIB record of the image fixture and its BITMAPINFOHEADER.
    const int dibRecord = int(image.indexOf(QByteArray("\x43\x0f", 2))) - 4;
    const int dibHeader = dibRecord + 6 + 22;
    QImage tiny(1, 1, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    return {
        {"Empty", QByteArray()},
        {"PlaceableHeaderOnly", shapes.left(22)},
        {"TruncatedHalfway", shapes.left(shapes.size() / 2)},
        {"NoEndRecord", shapes.left(shapes.size() - 6)},
        {"RecordSizeZero", withDword(shapes, firstRecord, 0)},
        {"RecordSizeAbsurd", withDword(shapes, firstRecord, 0xFFFFFFF0u)},
        {"NoUnitsPerInch", withWord(shapes, 14, 0)},
        {"EmptyFrame", withWord(shapes, 10, 0)},
        {"FrameOf32767Inches", withWord(withWord(shapes, 14, 1), 10, 32767)},
        {"PolygonClaimsMorePointsThanItHolds",
         WmfTestWriter(QRect(0, 0, 10, 10), 10).record(0x0324, {30000, 0, 0, 5, 5}).bytes()},
        {"PolyPolygonCountsPastTheRecord",
         WmfTestWriter(QRect(0, 0, 10, 10), 10).record(0x0538, {2, 3, 40000, 0, 0}).bytes()},
        {"BitmapClaims100000Square",
         withDword(withDword(image, dibHeader + 4, 100000), dibHeader + 8, 100000)},
        {"BitmapRowsCutShort", withDword(image, dibHeader + 4, 64)},
        {"BitmapHeaderSizeAbsurd", withDword(image, dibHeader, 0x7FFFFFFF)},
        {"TextLongerThanItsRecord",
         WmfTestWriter(QRect(0, 0, 10, 10), 10).record(0x0A32, {0, 0, 500, 0, 0x4241}).bytes()},
    };
}

INSTANTIATE_TEST_SUITE_P(Damaged, WmfRefusal, ::testing::ValuesIn(damages()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WmfReader, RecognisesBothHeaders) {
    EXPECT_TRUE(WmfReader::looksLikeWmf(fixture("inkscape-shapes.wmf")));
    EXPECT_TRUE(WmfReader::looksLikeWmf(fixture("inkscape-shapes.wmf").mid(22)));
    EXPECT_FALSE(WmfReader::looksLikeWmf(QByteArray("\xFF\xD8\xFF\xE0", 4)));
    EXPECT_FALSE(WmfReader::looksLikeWmf(QByteArray("GIF89a")));
}

} // namespace
} // namespace brevmark

namespace brevmark {
namespace {

// Damage in random places: every mutated file either plays or is refused, and nothing reads
// outside the bytes (the sanitizer builds catch that).
TEST(WmfMutation, RandomlyDamagedFixturesPlayOrAreRefused) {
    std::mt19937 random(20260601);
    for (const char* name : {"inkscape-shapes.wmf", "inkscape-image.wmf", "inkscape-text.wmf",
                             "lo-shapes.wmf", "lo-text.wmf", "lo-image.wmf"}) {
        const QByteArray original = fixture(name);
        for (int round = 0; round < 150; ++round) {
            QByteArray bytes = original;
            const int changes = 1 + int(random() % 8);
            for (int c = 0; c < changes; ++c)
                bytes[qsizetype(random() % quint32(bytes.size()))] = char(random() & 0xFF);
            if (round % 5 == 0)
                bytes.truncate(qsizetype(random() % quint32(bytes.size())));
            QString error;
            const Picture picture = WmfPlayer::load(bytes, &error);
            EXPECT_EQ(picture.isNull(), !error.isEmpty()) << name << " round " << round;
            if (!picture.isNull())
                render(picture, {50, 25});
        }
    }
}

} // namespace
} // namespace brevmark
