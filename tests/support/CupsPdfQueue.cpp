#include "support/CupsPdfQueue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <unistd.h>

namespace brevmark::test::cups {
namespace {

const QString queue = QStringLiteral("BrevmarkPDF");
const QString output = QStringLiteral("/var/spool/brevmark-cups-pdf");
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
    const QString wanted = QStringLiteral("Out ") + output;
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

} // namespace

QString queueName() { return queue; }
QString outputFolder() { return output; }

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
    QDir().mkpath(output);
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
            {QStringLiteral("-p"), queue, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
             QStringLiteral("-m"), ppd, QStringLiteral("-E")})
                .exitCode != 0 ||
        run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue}).exitCode != 0) {
        *why = QStringLiteral("lpadmin could not create the queue");
        return false;
    }
    return true;
}

void clearOutput() {
    QDir dir(output);
    for (const QString& name : dir.entryList(QDir::Files))
        dir.remove(name);
}

// The PDF the queue wrote, once the queue is idle and the file has stopped growing.
QString waitForPdf(int timeoutMs) {
    QElapsedTimer wait;
    wait.start();
    qint64 lastSize = -1;
    while (wait.elapsed() < timeoutMs) {
        const QStringList pdfs =
            QDir(output).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        const bool idle = run(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue})
                              .out.trimmed()
                              .isEmpty();
        if (!pdfs.isEmpty() && idle) {
            const QString path = output + QLatin1Char('/') + pdfs.first();
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

} // namespace brevmark::test::cups
