#include "platform/QtPictureLoader.h"

#include "platform/DibDecoder.h"
#include "support/FixtureScript.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brevmark {
namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, 100));
    return bytes;
}

QImage halves(int width = 40, int height = 20) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

// A 1 x 1 GIF of one red pixel; Qt cannot write GIF files.
QByteArray redPixelGif() {
    return QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                      ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                      35);
}

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(BREVMARK_TEST_DATA_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QByteArray patched(QByteArray bytes, qsizetype at, std::initializer_list<int> values) {
    for (int v : values)
        bytes[at++] = char(v);
    return bytes;
}

TEST(QtPictureLoader, ReadsEachFormatAtFifteenTwipsAPixel) {
    const QtPictureLoader loader;
    for (const char* format : {"jpeg", "bmp"}) {
        QString error;
        const Picture picture = loader.loadBytes(encoded(halves(), format), &error);
        ASSERT_FALSE(picture.isNull()) << format << ": " << error.toStdString();
        EXPECT_EQ(picture.naturalSize(), QSizeF(600, 300)) << format;
        const QColor left = picture.image().pixelColor(5, 10);
        const QColor right = picture.image().pixelColor(35, 10);
        EXPECT_GT(left.red(), 240) << format;
        EXPECT_LT(left.blue(), 15) << format;
        EXPECT_GT(right.blue(), 240) << format;
    }
    const Picture gif = loader.loadBytes(redPixelGif());
    ASSERT_FALSE(gif.isNull());
    EXPECT_EQ(gif.naturalSize(), QSizeF(15, 15));
    EXPECT_EQ(gif.image().pixelColor(0, 0), QColor(255, 0, 0));
}

TEST(QtPictureLoader, DecidesByContentNotByName) {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QtPictureLoader loader;
    const Picture metafile = loader.load(write("logo.JPG", fixture("inkscape-shapes.wmf")));
    ASSERT_FALSE(metafile.isNull());
    EXPECT_NE(metafile.recording(), nullptr);
    const Picture jpeg = loader.load(write("photo.wmf", encoded(halves(), "jpeg")));
    ASSERT_FALSE(jpeg.isNull());
    EXPECT_FALSE(jpeg.image().isNull());

    QString error;
    EXPECT_TRUE(loader.load(write("notes.bmp", "just some text\r\n"), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(loader.load(write("other.gif", encoded(halves(), "png"))).isNull())
        << "only JPEG, GIF, BMP and WMF are pictures here";
    EXPECT_TRUE(loader.load(dir.filePath("missing.jpg")).isNull());
}

struct Damage {
    const char* name;
    QByteArray bytes;
    const char* reason; // a word the refusal names
};

class RasterRefusal : public ::testing::TestWithParam<Damage> {};

TEST_P(RasterRefusal, IsRefusedWithAReason) {
    QString error;
    EXPECT_TRUE(QtPictureLoader().loadBytes(GetParam().bytes, &error).isNull());
    EXPECT_TRUE(error.contains(QLatin1String(GetParam().reason))) << error.toStdString();
}

std::vector<Damage> rasterDamages() {
    const QByteArray jpeg = encoded(halves(400, 200), "jpeg");
    const QByteArray bmp = encoded(halves(), "bmp");
    const QByteArray gif = redPixelGif();
    // The frame header (SOF0) holds the height and width after its length and precision bytes.
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    return {
        {"JpegCutInHalf", jpeg.left(jpeg.size() / 2), "cut off"},
        {"JpegHeaderOnly", jpeg.left(sof + 20), "cut off"},
        {"JpegClaims60000Square", patched(jpeg, sof + 5, {0xEA, 0x60, 0xEA, 0x60}), "too large"},
        {"GifWithoutItsData", gif.left(gif.size() - 6), "cut off"},
        {"GifClaims65535Square",
         patched(patched(gif, 6, {0xFF, 0xFF, 0xFF, 0xFF}), 23, {0xFF, 0xFF, 0xFF, 0xFF}),
         "too large"},
        {"BmpRowsCutOff", bmp.left(bmp.size() - 100), "cut off"},
        {"BmpClaims100000Square",
         patched(patched(bmp, 18, {0xA0, 0x86, 0x01, 0x00}), 22, {0xA0, 0x86, 0x01, 0x00}),
         "cut off"},
        {"BmpHeaderOnly", bmp.left(30), "cut off"},
        {"Empty", QByteArray(), "not a"},
    };
}

INSTANTIATE_TEST_SUITE_P(Damaged, RasterRefusal, ::testing::ValuesIn(rasterDamages()),
                         [](const auto& info) { return std::string(info.param.name); });

struct RowsCase {
    const char* name;
    qint64 width, height, bitCount, available;
    bool fits;
};

class BitmapRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(BitmapRows, FitWithoutOverflow) {
    const RowsCase& c = GetParam();
    EXPECT_EQ(DibDecoder::rowsFit(c.width, c.height, c.bitCount, c.available), c.fits);
}

constexpr qint64 maxInt32 = 0x7FFFFFFF;

INSTANTIATE_TEST_SUITE_P(
    Headers, BitmapRows,
    ::testing::Values(
        // rows are padded to four bytes: 3 pixels of 24 bits take 12 bytes a row
        RowsCase{"PaddedRowsFitExactly", 3, 2, 24, 24, true},
        RowsCase{"OneByteShort", 3, 2, 24, 23, false}, RowsCase{"OneBitRows", 33, 1, 1, 8, true},
        RowsCase{"NoRows", 5, 0, 8, 0, true}, RowsCase{"NoWidth", 0, 4, 8, 100, false},
        RowsCase{"NegativeRoom", 1, 1, 8, -4, false},
        // stride x height near 2^64: the product wraps in 64 bits and used to look small
        RowsCase{"ProductWraps", maxInt32, maxInt32, 32, 64, false},
        RowsCase{"WidestTallest", maxInt32, maxInt32, 0xFFFF, std::numeric_limits<qint64>::max(),
                 false},
        RowsCase{"WidthTimesBitsOverflows", std::numeric_limits<qint64>::max() / 2, 1, 64, 64,
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

// Bitmaps written by python3 whose headers claim sizes that overflow naive arithmetic.
TEST(QtPictureLoader, BitmapHeadersThatOverflowAreRefused) {
    QTemporaryDir folder;
    test::runFixtureScript(QStringLiteral("tests/platform/fixtures/hostile_rasters.py"),
                           {folder.path(), QStringLiteral("wrapping-rows.bmp"),
                            QStringLiteral("top-down-huge.bmp"),
                            QStringLiteral("offset-past-end.bmp"), QStringLiteral("complete.bmp")});
    const QtPictureLoader loader;
    for (const char* name : {"wrapping-rows.bmp", "top-down-huge.bmp", "offset-past-end.bmp"}) {
        QString error;
        EXPECT_TRUE(loader.load(folder.filePath(QLatin1String(name)), &error).isNull()) << name;
        EXPECT_TRUE(error.contains(QLatin1String("cut off"))) << name << error.toStdString();
    }
    const Picture complete = loader.load(folder.filePath(QStringLiteral("complete.bmp")));
    ASSERT_FALSE(complete.isNull());
    EXPECT_EQ(complete.image().pixelColor(0, 0), QColor(255, 0, 0));
}

} // namespace
} // namespace brevmark
