#pragma once

#include "platform/UserMessage.h"
#include "records/FormatRecord.h"

#include <QList>
#include <QString>
#include <optional>

namespace brevmark {

class FileSystem;

// The save command `儲存排列` of the save-format panel `條碼儲存窗` as a model: the checks of the
// category and name typed, and storing a captured format in the format file in place of a
// format of the same category and name. Nothing is written unless all of it can be stored.
class FormatSaver {
public:
    struct Names {
        QString category;
        QString name;
    };

    FormatSaver(FileSystem& files, QString recordsFolder);

    // Field cleaning and outer spaces, as the boxes get them back.
    static Names clean(const QString& category, const QString& name);
    // Why the cleaned names cannot be stored (an empty one, a character code page 950 lacks);
    // nothing when they can.
    static std::optional<UserMessage> refusal(const Names& names);
    // Stores the format records under the names: the file's other formats stay in their order
    // and the new one goes to the end. The failure, when the file cannot be read or written,
    // would grow past its record limit, or a text cannot be stored; nothing once it is stored.
    std::optional<UserMessage> store(const Names& names, const QList<FormatRecord>& format);

private:
    FileSystem& files_;
    QString recordsFolder_;
};

} // namespace brevmark
