#include "batch/MergeSource.h"

#include "batch/DelimitedText.h"
#include "platform/FileSystem.h"
#include "records/BarcodeRecordFile.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace brevmark {

BatchFailure MergeSource::damaged(const QString& path, const QString& why) {
    return {BatchExit::Damaged,
            QStringLiteral("記錄檔 ") + path + QStringLiteral(" 無法使用：") + why};
}

BatchFailure MergeSource::damagedRecordFile(const QString& path, const QString& why) {
    return damaged(path, why + QStringLiteral("（檔案沒有變更，請用 Brevmark 開啟以修復）"));
}

MergeSource::Kind MergeSource::kindOf(const QString& path, const QString& firstLine) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return Kind::Csv;
    if (suffix == QLatin1String("tsv") || suffix == QLatin1String("tab"))
        return Kind::Tsv;
    if (suffix == QLatin1String("txt"))
        return firstLine.contains(QLatin1Char('\t')) ? Kind::Tsv : Kind::Csv;
    return Kind::RecordFile;
}

std::variant<MergeTable, BatchFailure>
MergeSource::read(const FileSystem& files, const QString& path, const QStringList& recordCaptions) {
    if (!files.fileExists(path))
        return BatchFailure{BatchExit::NotFound, QStringLiteral("找不到記錄檔 ") + path};
    if (kindOf(path, QString()) == Kind::RecordFile)
        return readRecordFile(files, path, recordCaptions);
    QByteArray bytes;
    QString reason;
    if (!files.readBytes(path, &bytes, &reason))
        return damaged(path, reason);
    const QByteArray firstLine = bytes.left(bytes.indexOf('\n'));
    return readDelimited(path, bytes, kindOf(path, QString::fromUtf8(firstLine)),
                         recordCaptions.value(0));
}

std::variant<MergeTable, BatchFailure> MergeSource::readRecordFile(const FileSystem& files,
                                                                   const QString& path,
                                                                   const QStringList& captions) {
    // The records are read when they are visited; a damaged file is met there.
    MergeTable table;
    table.captions = captions;
    table.barcodeColumn = 0;
    table.sourceName = QStringLiteral("第 %1 筆記錄");
    table.recordFile = path;
    table.files = &files;
    return table;
}

std::variant<MergeTable, BatchFailure> MergeSource::readDelimited(const QString& path,
                                                                  const QByteArray& bytes,
                                                                  Kind kind,
                                                                  const QString& barcodeCaption) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return damaged(path, QStringLiteral("不是 UTF-8 文字"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QString error;
    const QChar separator = kind == Kind::Tsv ? QLatin1Char('\t') : QLatin1Char(',');
    std::optional<QList<DelimitedText::Row>> rows = DelimitedText::parse(text, separator, &error);
    if (!rows)
        return damaged(path, error);
    if (rows->isEmpty())
        return damaged(path, QStringLiteral("沒有標題列"));
    MergeTable table;
    table.captions = rows->first().cells;
    table.barcodeColumn = int(qMax<qsizetype>(0, table.captions.indexOf(barcodeCaption)));
    table.sourceName = QStringLiteral("第 %1 行");
    const qsizetype columns = table.captions.size();
    table.rows.reserve(rows->size() - 1);
    for (qsizetype r = 1; r < rows->size(); ++r) {
        DelimitedText::Row& row = (*rows)[r];
        if (row.cells.size() > columns)
            return damaged(path, QStringLiteral("第 %1 行有 %2 個欄位，標題列只有 %3 個")
                                     .arg(row.line)
                                     .arg(row.cells.size())
                                     .arg(columns));
        while (row.cells.size() < columns)
            row.cells << QString();
        table.rows.append({row.line, std::move(row.cells)});
    }
    return table;
}

} // namespace brevmark
