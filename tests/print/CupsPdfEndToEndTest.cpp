// Prints through the system's default printer for real: a cups-pdf queue is made the default,
// the PDF it writes is rasterised at 600 dpi and every symbol is decoded with zbarimg. Skips when
// the machine cannot host the queue (not root, no CUPS, no cups-pdf, no poppler or zbar).

#include "PrintDoubles.h"

#include "platform/qt/QtPrinter.h"
#include "print/PrintCommands.h"
#include "support/ScriptedMessageBoxes.h"
#include "symbology/PrintedSymbol.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <unistd.h>

namespace brevmark::test {
namespace {

const QString queueName = QStringLiteral("BrevmarkPDF");
const QString outputFolder = QStringLiteral("/var/spool/brevmark-cups-pdf");
const QString cupsPdfConf = QStringLiteral("/etc/cups/cups-pdf.conf");

struct Run {
    int exitCode = -1;
    QByteArray out;
};

// Runs a program; its standard output only (tools chatter on standard error).
Run run(const QString& program, const QStringList& args, int timeoutMs = 30000) {
    QProcess p;
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(5000))
        return r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        return r;
    }
    r.out = p.readAllStandardOutput();
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

bool schedulerRunning() {
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).out.contains("is running");
}

// Points the cups-pdf backend at our output folder (the rest of its configuration stays).
bool configureOutputFolder(QString* why) {
    QFile conf(cupsPdfConf);
    if (!conf.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("cannot read ") + cupsPdfConf;
        return false;
    }
    QStringList lines = QString::fromUtf8(conf.readAll()).split(QLatin1Char('\n'));
    conf.close();
    const QString wanted = QStringLiteral("Out ") + outputFolder;
    bool found = false;
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Out ")) || line.startsWith(QLatin1String("#Out "))) {
            if (!found)
                line = wanted;
            found = true;
        }
    }
    if (!found)
        lines.append(wanted);
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *why = QStringLiteral("cannot write ") + cupsPdfConf;
        return false;
    }
    conf.write(lines.join(QLatin1Char('\n')).toUtf8());
    return true;
}

// The queue as default printer, or the reason it cannot be had.
bool prepareQueue(QString* why) {
    if (geteuid() != 0) {
        *why = QStringLiteral("not root: cannot start cupsd or add a queue");
        return false;
    }
    for (const char* tool : {"cupsd", "lpadmin", "lpstat", "lpinfo", "pdftoppm", "zbarimg"}) {
        const QString name = QString::fromLatin1(tool);
        if (QStandardPaths::findExecutable(name).isEmpty() &&
            QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin")}).isEmpty()) {
            *why = name + QStringLiteral(" is not installed");
            return false;
        }
    }
    if (!QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf"))) {
        *why = QStringLiteral("printer-driver-cups-pdf is not installed");
        return false;
    }
    QDir().mkpath(outputFolder);
    if (!configureOutputFolder(why))
        return false;
    if (!schedulerRunning()) {
        run(QStringLiteral("/usr/sbin/cupsd"), {});
        QElapsedTimer wait;
        wait.start();
        while (!schedulerRunning() && wait.elapsed() < 15000)
            QThread::msleep(200);
        if (!schedulerRunning()) {
            *why = QStringLiteral("cupsd did not start");
            return false;
        }
    }
    QString ppd;
    const QList<QByteArray> models =
        run(QStringLiteral("lpinfo"), {QStringLiteral("-m")}).out.split('\n');
    for (const QByteArray& line : models) {
        const QString model = QString::fromUtf8(line.left(line.indexOf(' ')));
        if (model.contains(QLatin1String("CUPS-PDF"), Qt::CaseInsensitive) &&
            (ppd.isEmpty() ||
             (model.contains(QLatin1String("opt.ppd")) && !model.contains(QLatin1String("noopt")))))
            ppd = model;
    }
    if (ppd.isEmpty()) {
        *why = QStringLiteral("lpinfo -m lists no cups-pdf PPD");
        return false;
    }
    if (run(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), queueName, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
             QStringLiteral("-m"), ppd, QStringLiteral("-E")})
                .exitCode != 0 ||
        run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queueName}).exitCode != 0) {
        *why = QStringLiteral("lpadmin could not create the queue");
        return false;
    }
    return true;
}

void clearOutput() {
    QDir dir(outputFolder);
    for (const QString& name : dir.entryList(QDir::Files))
        dir.remove(name);
}

// The PDF the queue wrote, once the queue is idle and the file has stopped growing.
QString waitForPdf(int timeoutMs = 90000) {
    QElapsedTimer wait;
    wait.start();
    qint64 lastSize = -1;
    while (wait.elapsed() < timeoutMs) {
        const QStringList pdfs =
            QDir(outputFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        const bool idle = run(QStringLiteral("lpstat"), {QStringLiteral("-o"), queueName})
                              .out.trimmed()
                              .isEmpty();
        if (!pdfs.isEmpty() && idle) {
            const QString path = outputFolder + QLatin1Char('/') + pdfs.first();
            const qint64 size = QFileInfo(path).size();
            if (size > 0 && size == lastSize)
                return path;
            lastSize = size;
        }
        QThread::msleep(500);
    }
    return {};
}

// Pages of the PDF as 600-dpi grey images.
QList<QImage> rasterise(const QString& pdf, const QTemporaryDir& dir) {
    const QString prefix = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"), pdf, prefix},
        120000);
    QImageReader::setAllocationLimit(1024);
    QList<QImage> pages;
    QStringList names =
        QDir(dir.path()).entryList({QStringLiteral("page*.pgm")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        pages.append(QImage(dir.filePath(name)).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

QStringList decode(const QString& pdfDirImage) {
    const Run r = run(QStringLiteral("zbarimg"),
                      {QStringLiteral("-q"), QStringLiteral("--raw"), QStringLiteral("-Sdisable"),
                       QStringLiteral("-Scode39.enable"), pdfDirImage},
                      60000);
    QStringList texts;
    for (const QByteArray& line : r.out.split('\n'))
        if (!line.trimmed().isEmpty())
            texts << QString::fromUtf8(line.trimmed());
    texts.sort();
    return texts;
}

// Decodes one region of a page (twips), on its own so that equal symbols count one by one.
QStringList decodeRegion(const QImage& page, const QRectF& twips, const QTemporaryDir& dir) {
    static int serial = 0;
    const double scale = 600.0 / 1440.0;
    const QRect region(int(twips.left() * scale), int(twips.top() * scale),
                       int(twips.width() * scale), int(twips.height() * scale));
    const QString file = dir.filePath(QStringLiteral("region%1.png").arg(++serial));
    if (!page.copy(region).save(file))
        return {QStringLiteral("<cannot save region>")};
    return decode(file);
}

// Left edges (pixels) of the dark runs of one raster row between two x positions.
QList<int> barLeftEdges(const QImage& page, int y, int fromX, int toX) {
    QList<int> edges;
    const uchar* row = page.constScanLine(y);
    bool dark = false;
    for (int x = qMax(0, fromX); x < qMin(page.width(), toX); ++x) {
        const bool d = row[x] < 128;
        if (d && !dark)
            edges.append(x);
        dark = d;
    }
    return edges;
}

class CupsPdfEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!prepareQueue(&why))
            GTEST_SKIP() << "skipped: " << why.toStdString();
        clearOutput();
        ASSERT_TRUE(work.isValid());
    }
    void TearDown() override { clearOutput(); }

    PrintCommands commands(std::uint8_t& kind, Fixed4& r) {
        return PrintCommands(
            model, tags, loader, DataLocation(work.path()),
            [] { return std::make_unique<QtPrinter>(); }, boxes, kind, r, host);
    }

    PageModel model;
    TagTable tags;
    FakePictureLoader loader;
    ScriptedMessageBoxes boxes;
    FakePrintHost host;
    QTemporaryDir work;
};

TEST_F(CupsPdfEndToEnd, PageOfItemsDecodesWithBarsOnTheResolutionGrid) {
    QtPrinter probe;
    ASSERT_TRUE(probe.isAvailable());
    ASSERT_EQ(probe.name(), queueName);
    // One printer dot per resolution step makes the lines of a bar touch.
    const double dpi = probe.dotsPerInch();
    std::cout << "printer " << probe.name().toStdString() << " at " << dpi << " dpi\n";
    Fixed4 r = Fixed4::fromDouble(1440.0 / dpi);
    std::uint8_t kind = 0;

    struct Spec {
        const char* text;
        int barWidth;
        int ratio;
    };
    const Spec specs[] = {{"BREVMARK-1", 2, 0},
                          {"A1B2C3", 3, 1},
                          {"LABEL 42", 2, 2},
                          {"X/Y+Z.", 4, 3},
                          {"999", 3, 0}};
    int index = 1;
    for (const Spec& s : specs) {
        BarcodeItem item =
            pageItem(600 + 45.3 * index, 600 + 1800.0 * (index - 1), QString::fromLatin1(s.text));
        item.width = 9000;
        item.height = 1500;
        item.symbol.barWidth = std::uint8_t(s.barWidth);
        item.symbol.widthRatio = std::uint8_t(s.ratio);
        item.symbol.barHeight = QStringLiteral("900");
        model.items.put(index, item);
        index = index == 10 ? 12 : index + 1;
    }
    PrintCommands printing = commands(kind, r);
    printing.printPage();
    EXPECT_EQ(printing.failedItems(), 0);
    EXPECT_TRUE(boxes.shown.isEmpty());

    const QString pdf = waitForPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF into " << outputFolder.toStdString();
    const QList<QImage> pages = rasterise(pdf, work);
    ASSERT_EQ(pages.size(), 1);
    index = 1;
    for (const Spec& s : specs) {
        const BarcodeItem& item = model.items.at(index);
        EXPECT_EQ(decodeRegion(pages[0], item.rect(), work),
                  QStringList{QString::fromLatin1(s.text)})
            << "item " << index << " bar width " << s.barWidth << " ratio " << s.ratio;
        index = index == 10 ? 12 : index + 1;
    }
    // The whole page holds nothing else.
    EXPECT_EQ(
        decode(work.filePath(QDir(work.path()).entryList({QStringLiteral("page*.pgm")}).value(0)))
            .size(),
        int(std::size(specs)));

    // Every bar's left edge lies on the grid of the resolution (in 600-dpi pixels), counted from
    // the page's left edge, less half a line's width.
    const double pxPerTwip = 600.0 / 1440.0;
    const double step = r.toDouble() * pxPerTwip;
    // A line covers the printer dot to the right of its coordinate.
    const double halfLine = 0;
    for (int i : {1, 2, 3, 4, 5}) {
        const BarcodeItem& item = model.items.at(i);
        const double top =
            PrintedSymbol::snapToGrid(item.top + item.symbol.symbolTop, r).toDouble();
        const int y = int((top + 450) * pxPerTwip);
        const int from = int(item.left * pxPerTwip);
        const QList<int> edges =
            barLeftEdges(pages[0], y, from, int((item.left + 9000) * pxPerTwip));
        ASSERT_GT(edges.size(), 10) << "item " << i;
        const double firstLine =
            PrintedSymbol::snapToGrid(item.left + item.symbol.symbolLeft, r).toDouble();
        EXPECT_NEAR(edges.first() + halfLine, firstLine * pxPerTwip, 1.0) << "item " << i;
        for (int e : edges) {
            const double steps = (e + halfLine) / step;
            EXPECT_NEAR(steps, std::round(steps), 0.26) << "item " << i << " edge at " << e;
        }
    }
}

TEST_F(CupsPdfEndToEnd, SimpleLayoutPrintsItsQuantity) {
    QtPrinter probe;
    ASSERT_TRUE(probe.isAvailable());
    Fixed4 r = Fixed4::fromDouble(1440.0 / probe.dotsPerInch());
    std::uint8_t kind = 0;
    BarcodeItem item = pageItem(0, 0, QStringLiteral("Q7"));
    item.symbol.barWidth = 3;
    model.items.put(0, item);
    host.quantity = QStringLiteral("7");
    commands(kind, r).printSimple();

    const QString pdf = waitForPdf();
    ASSERT_FALSE(pdf.isEmpty());
    const QList<QImage> pages = rasterise(pdf, work);
    ASSERT_EQ(pages.size(), 1);
    // Rows of three from (300, 300), 3620 twips apart across and 920 down: seven copies, then
    // empty places.
    int found = 0;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF place(300 + column * 3620, 300 + row * 920, 3600, 900);
            const QStringList texts = decodeRegion(pages[0], place, work);
            const int copy = row * 3 + column;
            if (copy < 7) {
                EXPECT_EQ(texts, QStringList{QStringLiteral("Q7")}) << "copy " << copy;
                found += int(texts.size());
            } else {
                EXPECT_TRUE(texts.isEmpty()) << "place " << copy;
            }
        }
    }
    EXPECT_EQ(found, 7);
}

} // namespace
} // namespace brevmark::test
