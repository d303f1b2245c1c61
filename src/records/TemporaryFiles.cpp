#include "records/TemporaryFiles.h"

#include "platform/FileSystem.h"
#include "records/BarcodeRecordFile.h"

namespace brevmark {

void tidyTemporaryFiles(FileSystem& files, const QString& recordsFolder) {
    const QString recordFile = recordsFolder + QLatin1Char('/') + BarcodeRecordFile::fileName();
    for (const QString& name : files.listFolder(recordsFolder, QStringLiteral("*_"))) {
        const QString temporary = recordsFolder + QLatin1Char('/') + name;
        const QString original = temporary.chopped(1);
        if (original == recordFile && !files.fileExists(original))
            files.renameFile(temporary, original);
        else
            files.removeFile(temporary);
    }
}

} // namespace brevmark
