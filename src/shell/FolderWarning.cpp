#include "shell/FolderWarning.h"

#include "platform/MessageBoxes.h"

namespace brevmark {

QString FolderWarning::unwritableText(const QString& folder) {
    return QStringLiteral("無法建立或寫入資料夾：") + folder +
           QStringLiteral("\r\n程式將自動關閉。");
}

void FolderWarning::showUnwritable(MessageBoxes& messages, const QString& folder) {
    messages.warn(title(), unwritableText(folder));
}

} // namespace brevmark
