// Fuzz target: brevmark-batch printing from a data folder it finds as it is. The first input
// bytes pick the command (a layout, or a format merged with records or not), the printer kind,
// the arrangement and the copies; the rest are the data files, separated by "\0\0\0": the layout
// file or the format file, then the records for a merge, then TOP.reg.
//
// Whatever the files hold, the run ends with one of its documented exit statuses without a
// crash, a hang or unbounded memory; it writes no data file; and it writes its PDF when it
// reports the labels printed, and none when it reports a failure.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/ScratchFolder.h"

#include "batch/BatchConsole.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "platform/DataLocation.h"
#include "platform/FontMetricsTwips.h"
#include "platform/LocalFileSystem.h"
#include "platform/QtPictureLoader.h"
#include "platform/ReadOnlyFileSystem.h"
#include "records/BarcodeRecordFile.h"
#include "records/FormatRecordFile.h"
#include "records/LayoutFile.h"
#include "records/SettingsStore.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>

using namespace brevmark;
using brevmark::fuzz::ScratchFolder;

namespace {

QString recordsPath(const QString& name) {
    return DataLocation::recordsFolderName() + QLatin1Char('/') + name;
}

// The data files of an input: its bytes cut at every "\0\0\0".
QList<QByteArray> partsOf(const QByteArray& bytes) {
    static const QByteArray separator("\0\0\0", 3);
    QList<QByteArray> parts;
    qsizetype from = 0;
    for (qsizetype at; (at = bytes.indexOf(separator, from)) >= 0; from = at + separator.size())
        parts << bytes.mid(from, at - from);
    parts << bytes.mid(from);
    return parts;
}

// Where the run's messages go: nobody reads them.
std::FILE* quiet() {
    static std::FILE* nowhere = std::fopen("/dev/null", "w");
    return nowhere;
}

} // namespace

// Labels are drawn in fonts, as brevmark-batch draws them, on Qt's offscreen platform.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* application = new QGuiApplication(*argc, *argv);
    Q_UNUSED(application);
    installFontSubstitutions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t how = in.byte();
    const bool layout = !(how & 1);
    const int copies = in.number(1, 3);
    const QList<QByteArray> parts = partsOf(in.rest());

    ScratchFolder& scratch = ScratchFolder::instance();
    scratch.empty();
    QStringList written;
    const auto put = [&](int part, const QString& name) {
        if (part < parts.size() && !(part > 0 && parts.at(part).isEmpty())) {
            scratch.put(recordsPath(name), parts.at(part));
            written << recordsPath(name);
        }
    };
    const QString layoutName = QStringLiteral("版面");
    put(0, layout ? layoutName + LayoutFile::extension() : FormatRecordFile::fileName());
    if (!layout)
        put(1, BarcodeRecordFile::fileName());
    put(2, SettingsStore::fileName());

    QStringList arguments{QStringLiteral("--data"), scratch.path(), QStringLiteral("--output"),
                          scratch.filePath(QStringLiteral("labels.pdf")),
                          QStringLiteral("--copies"), QString::number(copies)};
    if (how & 2)
        arguments << QStringLiteral("--label-printer");
    if (layout) {
        arguments << QStringLiteral("layout") << layoutName;
    } else {
        if (how & 4)
            arguments << QStringLiteral("--arrangement");
        if (written.contains(recordsPath(BarcodeRecordFile::fileName())))
            arguments << QStringLiteral("--records")
                      << scratch.filePath(recordsPath(BarcodeRecordFile::fileName()));
        arguments << QStringLiteral("format") << QStringLiteral("商品") << QStringLiteral("價格");
    }
    const auto parsed = BatchOptions::parse(arguments);
    FUZZ_CHECK(std::holds_alternative<BatchOptions>(parsed), arguments.join(QLatin1Char(' ')));
    const BatchOptions& options = std::get<BatchOptions>(parsed);

    QList<QByteArray> before;
    for (const QString& name : written)
        before << scratch.bytesOf(name);

    LocalFileSystem disk;
    ReadOnlyFileSystem files(disk);
    QtPictureLoader pictures;
    BatchConsole console(quiet(), false);
    BatchRun run(options, DataLocation(scratch.path()), files, pictures, console);
    const BatchExit exit = run.run();

    const int status = int(exit);
    // BREVMARK_FUZZ_VERBOSE=1 tells what each input came to, to see what a seed reaches.
    if (qEnvironmentVariableIsSet("BREVMARK_FUZZ_VERBOSE"))
        std::fprintf(stderr, "exit status %d, %d pages\n", status, run.pageCount());
    FUZZ_CHECK(status >= 0 && status <= 8, QStringLiteral("exit status %1").arg(status));
    for (qsizetype i = 0; i < written.size(); ++i)
        FUZZ_CHECK(scratch.bytesOf(written.at(i)) == before.at(i),
                   written.at(i) + QStringLiteral(" was changed by a print"));
    const QByteArray pdf = scratch.bytesOf(QStringLiteral("labels.pdf"));
    if (exit == BatchExit::Printed)
        FUZZ_CHECK(pdf.startsWith("%PDF") && pdf.contains("%%EOF"),
                   "the labels were reported printed without a whole PDF");
    else
        FUZZ_CHECK(!scratch.holds(QStringLiteral("labels.pdf")),
                   QStringLiteral("a PDF was written though the run ended with status %1")
                       .arg(status));
    return 0;
}
