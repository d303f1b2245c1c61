// The record manager and the record-load panel on large record files, one operation per run so
// that the process's peak memory belongs to that operation (bench/large_records.sh runs it).
//
// usage: bench_large_records OPERATION RECORDS_FOLDER
//   read       the manager's full read (it stops at 6,000 records) and its list
//   specified  指定讀取 of the file's last barcode, and the list of what it found
//   delete     指定讀取 of the first barcode, then the delete of the record it listed (only the
//              delete, which rewrites the whole file, is timed)
//   loadpanel  the record-load panel's read (3,500 records) and its value lists
// Prints: operation, milliseconds, records listed, peak resident memory in MB (VmHWM).
#include "BenchServices.h"
#include "manager/RecordManager.h"
#include "page/RecordLoadList.h"
#include "platform/LocalFileSystem.h"
#include "records/BarcodeRecordFile.h"
#include "records/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

using namespace brevmark;

namespace {

long peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong() / 1024;
    return -1;
}

// The first or the last record's barcode, read without the program's reader.
QString barcodeAt(const QString& path, bool last) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    if (last)
        f.seek(qMax<qint64>(0, f.size() - 4096));
    const QList<QByteArray> lines = f.read(4096).trimmed().split('\n');
    return QString::fromLatin1((last ? lines.last() : lines.first()).split('"').value(1));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s read|specified|delete|loadpanel RECORDS_FOLDER\n", argv[0]);
        return 2;
    }
    const QString operation = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    LocalFileSystem files;
    SettingsStore settings(files, folder);
    settings.load();
    bench::TextClipboard clipboard;
    bench::QuietSystem system;
    RecordManager manager(RecordManager::Services{files, settings, clipboard, system, folder,
                                                  [](int) {}, [] {}, [] {}, nullptr});
    manager.open();

    QElapsedTimer timer;
    qint64 ms = 0;
    qsizetype listed = 0;
    if (operation == QLatin1String("read")) {
        timer.start();
        manager.fullRead();
        ms = timer.elapsed();
        listed = manager.list().display().size();
    } else if (operation == QLatin1String("specified") || operation == QLatin1String("delete")) {
        RecordEntry entry;
        entry[0] = barcodeAt(folder + QStringLiteral("/") + BarcodeRecordFile::fileName(),
                             operation == QLatin1String("specified"));
        timer.start();
        manager.specifiedRead(entry);
        ms = timer.elapsed();
        listed = manager.list().display().size();
        if (operation == QLatin1String("delete")) {
            if (listed == 0) {
                std::fprintf(stderr, "delete: the specified read listed nothing\n");
                return 1;
            }
            manager.select(1);
            timer.start();
            const auto deleted = manager.removeSelected();
            ms = timer.elapsed();
            if (!deleted || !deleted->written()) {
                std::fprintf(stderr, "delete: nothing deleted\n");
                return 1;
            }
        }
    } else if (operation == QLatin1String("loadpanel")) {
        BarcodeRecordFile file(files, folder);
        timer.start();
        RecordLoadList list;
        list.setLastShownField(3);
        list.load(file.readForLoadPanel().records);
        ms = timer.elapsed();
        listed = list.rows().size();
    } else {
        std::fprintf(stderr, "unknown operation\n");
        return 2;
    }
    std::printf("%s %lld %lld %ld\n", qPrintable(operation), static_cast<long long>(ms),
                static_cast<long long>(listed), peakMegabytes());
    return 0;
}
