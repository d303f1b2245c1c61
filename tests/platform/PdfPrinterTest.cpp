// The PDF printer of the model side: pages of the size asked for, one-dot lines filled from their
// coordinate, and no file at all unless a whole document was written.
#include "platform/PdfPrinter.h"
#include "support/PrintedPageReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class PdfPrinterFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name = "out.pdf") const {
        return dir.filePath(QString::fromUtf8(name));
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace

TEST_F(PdfPrinterFiles, PagesTakeTheSizeAskedForBeforeThem) {
    if (!test::printed::missingTools().isEmpty())
        GTEST_SKIP() << test::printed::missingTools().toStdString();
    PdfPrinter printer(path(), QPageSize(QPageSize::A4), 600);
    ASSERT_TRUE(printer.isAvailable());
    // A 1440 x 720 twips label page, then an A5 page.
    printer.setPageSize(
        QPageSize(QSizeF(72, 36), QPageSize::Point, QString(), QPageSize::ExactMatch));
    printer.fillRect(QRectF(0, 0, 720, 720), Qt::black);
    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.newPage();
    // A one-dot upright line at x = 1440 twips: exactly the 600-dpi column 600.
    printer.drawLine(QPointF(1440, 0), QPointF(1440, 1440), Qt::black);
    printer.endDocument();
    EXPECT_TRUE(printer.written());
    EXPECT_EQ(printer.errorString(), QString());

    QDir().mkpath(dir.filePath(QStringLiteral("raster")));
    const QList<QImage> pages =
        test::printed::rasterise(path(), dir.filePath(QStringLiteral("raster")));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].size(), QSize(600, 300));
    EXPECT_EQ(test::printed::inkCount(pages[0], QRect(0, 0, 300, 300)), 300 * 300);
    EXPECT_EQ(test::printed::inkCount(pages[0], QRect(300, 0, 300, 300)), 0);
    EXPECT_EQ(pages[1].width(), 3500); // A5: Qt gives it 420 points
    const auto runs = test::printed::solidColumnRuns(pages[1], QRect(590, 10, 20, 500));
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0], qMakePair(600, 600));
}

TEST_F(PdfPrinterFiles, NothingDrawnOrDroppedLeavesNoFileAndAnEarlierFileAlone) {
    {
        PdfPrinter nothing(path(), QPageSize(QPageSize::A4), 600);
        nothing.endDocument();
        EXPECT_FALSE(nothing.written());
    }
    EXPECT_EQ(files(), QStringList());

    QFile earlier(path());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    {
        PdfPrinter dropped(path(), QPageSize(QPageSize::A4), 600);
        dropped.fillRect(QRectF(0, 0, 100, 100), Qt::black);
        dropped.abortDocument();
        EXPECT_FALSE(dropped.written());
    }
    {
        PdfPrinter unfinished(path(), QPageSize(QPageSize::A4), 600);
        unfinished.fillRect(QRectF(0, 0, 100, 100), Qt::black);
    }
    EXPECT_EQ(bytesOf(path()), QByteArray("earlier"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("out.pdf")}) << "no temporary file stays";
}

TEST_F(PdfPrinterFiles, AnUnwritablePlaceIsKnownBeforeDrawing) {
    PdfPrinter printer(dir.filePath(QStringLiteral("no/such/folder/out.pdf")),
                       QPageSize(QPageSize::A4), 600);
    EXPECT_FALSE(printer.isAvailable());
    EXPECT_FALSE(printer.errorString().isEmpty());
    // Drawing anyway goes nowhere and writes nothing.
    printer.fillRect(QRectF(0, 0, 100, 100), Qt::black);
    printer.endDocument();
    EXPECT_FALSE(printer.written());
    EXPECT_EQ(files(), QStringList());
}

// Consecutive fills of one colour go into the PDF as one path; whatever they are held for, the
// page shows every drawing in the order it was made.
TEST_F(PdfPrinterFiles, HeldFillsKeepTheDrawingOrder) {
    if (!test::printed::missingTools().isEmpty())
        GTEST_SKIP() << test::printed::missingTools().toStdString();
    PdfPrinter printer(path(), QPageSize(QPageSize::A4), 600);
    TextFont big;
    big.pointSize = 48;
    // 1. A white character over two black fills shows white inside them.
    printer.fillRect(QRectF(0, 0, 720, 1440), Qt::black);
    printer.fillRect(QRectF(720, 0, 720, 1440), Qt::black);
    printer.drawText(QPointF(100, 100), QStringLiteral("W"), big, Qt::white);
    // 2. A character beside the fills, then a white fill over part of them: the white wins.
    printer.fillRect(QRectF(2880, 0, 1440, 1440), Qt::black);
    printer.drawText(QPointF(5000, 0), QStringLiteral("W"), big, Qt::black);
    printer.fillRect(QRectF(2880, 0, 720, 1440), Qt::white);
    // 3. Fills held when the page changes stay on their page.
    printer.fillRect(QRectF(0, 2880, 1440, 1440), Qt::black);
    printer.newPage();
    printer.fillRect(QRectF(0, 0, 1440, 1440), Qt::black);
    printer.endDocument();
    ASSERT_TRUE(printer.written());

    QDir().mkpath(dir.filePath(QStringLiteral("raster")));
    const QList<QImage> pages =
        test::printed::rasterise(path(), dir.filePath(QStringLiteral("raster")));
    ASSERT_EQ(pages.size(), 2);
    const int square = 600 * 600;
    EXPECT_LT(test::printed::inkCount(pages[0], QRect(0, 0, 600, 600)), square * 99 / 100);
    EXPECT_GT(test::printed::inkCount(pages[0], QRect(0, 0, 600, 600)), square / 2);
    EXPECT_EQ(test::printed::inkCount(pages[0], QRect(1200, 0, 300, 600)), 0);
    EXPECT_EQ(test::printed::inkCount(pages[0], QRect(1500, 0, 300, 600)), 300 * 600);
    EXPECT_GT(test::printed::inkCount(pages[0], QRect(2080, 0, 600, 600)), 0) << "the character";
    EXPECT_EQ(test::printed::inkCount(pages[0], QRect(0, 1200, 600, 600)), square);
    EXPECT_EQ(test::printed::inkCount(pages[1], QRect(0, 0, 600, 600)), square);
    EXPECT_EQ(test::printed::inkCount(pages[1], QRect(0, 1200, 600, 600)), 0);
}
