#pragma once

#include "platform/WmfRecord.h"

#include <QByteArray>
#include <QRect>
#include <QString>

#include <vector>

namespace brevmark {

// Reads the structure of a Windows metafile (WMF), with or without the placeable ("Aldus") header:
// the header fields and the list of records up to the end-of-file record. Nothing is allocated
// from what the file claims; every record must lie inside the bytes, so a truncated file or an
// absurd record size is refused.
class WmfReader {
public:
    static constexpr quint32 placeableKey = 0x9AC6CDD7u;
    // Larger files are refused unread: no label picture needs this much.
    static constexpr qsizetype maxFileBytes = 32 * 1024 * 1024;
    // More records than this are refused: no label picture needs them, and each costs time.
    static constexpr qsizetype maxRecords = 2'000'000;

    // True when the first bytes are those of a metafile (either header).
    static bool looksLikeWmf(QByteArrayView head);

    // False with a reason in *error when the file is not a readable metafile.
    bool parse(const QByteArray& bytes, QString* error = nullptr);

    bool isPlaceable() const { return placeable_; }
    // The placeable header's frame in logical units and the logical units per inch.
    const QRect& placeableFrame() const { return frame_; }
    int unitsPerInch() const { return unitsPerInch_; }
    // Object table size the header declares.
    int objectCount() const { return objectCount_; }
    // The records before the end-of-file record; they view the bytes given to parse().
    const std::vector<WmfRecord>& records() const { return records_; }

private:
    bool fail(QString* error, const QString& reason);

    QByteArray bytes_;
    bool placeable_ = false;
    QRect frame_;
    int unitsPerInch_ = 0;
    int objectCount_ = 0;
    std::vector<WmfRecord> records_;
};

} // namespace brevmark
