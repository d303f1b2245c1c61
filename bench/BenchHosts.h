#pragma once

// What a benchmark puts around the code it times: message boxes nobody sees, a system without a
// desktop and a data folder of its own for the page editor, so that only the work itself is
// measured.
#include "BenchServices.h"
#include "page/ItemTable.h"
#include "page/PageModel.h"
#include "page/ui/EditorServices.h"
#include "page/ui/PageEditor.h"
#include "platform/LocalFileSystem.h"
#include "platform/MessageBoxes.h"
#include "print/PrintSettings.h"
#include "records/SettingsStore.h"

#include <QTemporaryDir>

namespace brevmark::bench {

// Every box is answered at once with the same answer; `shown` counts them.
class SilentMessages : public MessageBoxes {
public:
    explicit SilentMessages(MessageAnswer answer = MessageAnswer::Ok) : answer_(answer) {}
    int shown = 0;
    MessageAnswer show(const QString&, const QString&, MessageIcon, MessageButtons) override {
        ++shown;
        return answer_;
    }

private:
    MessageAnswer answer_;
};

// The editor's services over a data folder of its own: a page printer at the default print
// resolution, no record file, a format file only when one is written there.
class EditorBenchServices {
public:
    explicit EditorBenchServices(MessageAnswer answer = MessageAnswer::Ok) : boxes(answer) {
        files.createFolder(location.recordsFolder());
        files.createFolder(location.picturesFolder());
    }
    QTemporaryDir folder;
    DataLocation location{folder.path()};
    LocalFileSystem files;
    SilentMessages boxes;
    QuietSystem system;
    PrintSettings printing;
    SettingsStore store{files, location.recordsFolder()};

    EditorServices services() { return {files, location, store, printing, boxes, system, {}}; }
};

// A full page: 245 items in 7 columns, each with a ten-character barcode and its text.
inline void fillPageWithLabels(PageModel& model) {
    QList<PlacedItem> page;
    int n = 0;
    for (int k : ItemTable::pageIndexes()) {
        BarcodeItem item =
            BarcodeItem::blank({float(120 + (n % 7) * 3660), float(120 + (n / 7) * 960)}, false);
        item.symbol.text = QStringLiteral("A%1-XY").arg(100000 + n);
        page.append({k, item, {}, {}});
        ++n;
    }
    model.insertItems(page);
}

} // namespace brevmark::bench
