#pragma once

#include <QString>

namespace brevmark {

class MessageBoxes;

// The warning that a data folder cannot be created or written, after which the program ends.
class FolderWarning {
public:
    static QString title() { return QStringLiteral("資料夾錯誤"); }
    static QString unwritableText(const QString& folder);
    static void showUnwritable(MessageBoxes& messages, const QString& folder);
};

} // namespace brevmark
