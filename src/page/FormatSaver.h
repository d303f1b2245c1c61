#pragma once

#include "records/FormatRecord.h"

#include <QList>
#include <QString>

namespace brevmark {

class FileSystem;
class MessageBoxes;

// The save command `儲存排列` of the save-format panel `條碼儲存窗` as a model: the checks of the
// category and name typed, and storing a captured format in the format file in place of a
// format of the same category and name. Nothing is written unless all of it can be stored.
class FormatSaver {
public:
    struct Names {
        QString category;
        QString name;
    };

    FormatSaver(FileSystem& files, MessageBoxes& boxes, QString recordsFolder);

    // Field cleaning and outer spaces, as the boxes get them back.
    static Names clean(const QString& category, const QString& name);
    // True when the cleaned names can be stored; otherwise the user is told why.
    bool accepts(const Names& names);
    // Stores the format records under the names: the file's other formats stay in their order
    // and the new one goes to the end. False (after telling the user) when the file cannot be
    // read or written, would grow past its record limit, or a text cannot be stored.
    bool store(const Names& names, const QList<FormatRecord>& format);

private:
    bool storable(const QList<FormatRecord>& format);

    FileSystem& files_;
    MessageBoxes& boxes_;
    QString recordsFolder_;
};

} // namespace brevmark
