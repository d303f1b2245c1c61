// Works on the barcode record file of a records folder as another Brevmark process would.
//   record_rewriter FOLDER              rewrites it over and over until it is killed: record 0's
//                                       name counts up by one with every change, and every other
//                                       rewrite swaps records 1 and 2 (the crash-safety test
//                                       kills it at random moments). It says "rewritten" on its
//                                       output once its first rewrite is complete;
//   record_rewriter FOLDER append N P   appends N records P1 … PN one at a time, as the record
//                                       manager's add does (the shared-folder tests run it
//                                       beside rewrites).
#include "platform/LocalFileSystem.h"
#include "records/BarcodeRecordFile.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

using Write = brevmark::BarcodeRecordFile::WriteOutcome;

int appendRecords(brevmark::BarcodeRecordFile& file, int count, const QString& prefix) {
    for (int i = 1; i <= count; ++i) {
        brevmark::RecordEntry entry;
        entry[0] = prefix + QString::number(i);
        entry[1] = QStringLiteral("附加");
        const auto written = file.append(entry);
        if (written.outcome != Write::Written) {
            std::fprintf(stderr, "%s\n", qPrintable(written.error));
            return 4;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2 && argc != 5)
        return 2;
    brevmark::LocalFileSystem files;
    brevmark::BarcodeRecordFile file(files, QString::fromLocal8Bit(argv[1]));
    if (argc == 5)
        return appendRecords(file, QString::fromLocal8Bit(argv[3]).toInt(),
                             QString::fromLocal8Bit(argv[4]));
    for (long round = 0;; ++round) {
        const auto read = file.readAll();
        if (read.records.size() < 3)
            return 3;
        brevmark::BarcodeRecordFile::WriteResult written;
        if (round % 2 == 0) {
            brevmark::RecordEntry entry = read.records[0].record.entry();
            entry[2] = QString::number(entry[2].toLongLong() + 1);
            written = file.change(read.records[0], entry);
        } else {
            written = file.swap(read.records[1], read.records[2]);
        }
        if (written.outcome != Write::Written) {
            std::fprintf(stderr, "%s\n", qPrintable(written.error));
            return 4;
        }
        if (round == 0) {
            std::fputs("rewritten\n", stdout);
            std::fflush(stdout);
        }
    }
}
