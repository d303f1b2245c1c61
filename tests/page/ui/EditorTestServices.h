#pragma once

#include "page/ui/EditorServices.h"
#include "print/PrintSettings.h"
#include "records/FormatRecordFile.h"
#include "records/SettingsStore.h"
#include "support/FakeSystemServices.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <QFile>

namespace brevmark::test {

// What the page editor uses of the program, as a test gives it: a data folder of its own on the
// real file system (whose writes can be made to fail), a settings store in it, a page printer at
// the default resolution, message boxes that answer from a script, a system that counts beeps,
// and the hint line as a text.
class EditorTestServices {
public:
    TempDataFolder data;
    FaultyFileSystem files;
    ScriptedMessageBoxes boxes;
    FakeSystemServices system;
    PrintSettings printing;
    SettingsStore store{files, data.location().recordsFolder()};
    QString hint;

    EditorServices services() {
        return {
            files, data.location(), store, printing, boxes, system, [this](const QString& text) {
                hint = text;
            }};
    }

    // The format record file as the editor finds it (empty).
    void createFormatFile() { touch(FormatRecordFile::fileName()); }

private:
    void touch(const QString& name) {
        QFile file(data.recordsFile(name));
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.close();
    }
};

} // namespace brevmark::test
