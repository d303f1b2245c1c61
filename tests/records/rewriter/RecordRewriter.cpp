// Rewrites the barcode record file of a records folder over and over until it is killed: record
// 0's name counts up by one with every change, and every other rewrite swaps records 1 and 2.
// The crash-safety test kills it at random moments.
#include "platform/LocalFileSystem.h"
#include "platform/MessageBoxes.h"
#include "records/BarcodeRecordFile.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
class SilentMessageBoxes : public brevmark::MessageBoxes {
public:
    brevmark::MessageAnswer show(const QString& title, const QString& text, brevmark::MessageIcon,
                                 brevmark::MessageButtons) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return brevmark::MessageAnswer::Ok;
    }
};
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    brevmark::LocalFileSystem files;
    SilentMessageBoxes messages;
    brevmark::BarcodeRecordFile file(files, messages, QString::fromLocal8Bit(argv[1]));
    using Write = brevmark::BarcodeRecordFile::WriteOutcome;
    for (long round = 0;; ++round) {
        const auto read = file.readAll();
        if (read.records.size() < 3)
            return 3;
        Write written;
        if (round % 2 == 0) {
            brevmark::RecordEntry entry = read.records[0].record.entry();
            entry[2] = QString::number(entry[2].toLongLong() + 1);
            written = file.change(0, entry);
        } else {
            written = file.swap(1, read.records[1].record, 2, read.records[2].record);
        }
        if (written != Write::Written)
            return 4;
    }
}
