#pragma once

#include "import/ImportGrid.h"
#include "import/ImportSave.h"
#include "import/ImportSettings.h"
#include "import/TableFunctions.h"
#include "records/BarcodeRecordFile.h"

#include <functional>

namespace brevmark {

class Clipboard;
class SettingsStore;
class SystemServices;

// The bulk import window `匯入視窗` without its widgets: the grid and the commands that fill it
// from the clipboard, change its rows and columns and save its rows as barcode records. The
// window forwards its events here, draws what the grid holds and shows the messages the commands
// return.
class BulkImport {
public:
    struct Services {
        SettingsStore& settings;
        Clipboard& clipboard;
        SystemServices& system;
        // The barcode record file the rows are appended to.
        BarcodeRecordFile& records;
        // Shows prompt notice n at once (1 after a save).
        std::function<void(int)> requestNotice;
    };

    explicit BulkImport(Services services);
    // With another measure of texts than the grid's font (tests).
    BulkImport(Services services, ImportColumns::Measure measure);

    // Opening: the settings in table order, the headers as wide as their captions, one row.
    const ImportSettings& open();
    const ImportSettings& settings() const { return settings_; }
    ImportGrid& grid() { return grid_; }
    const ImportGrid& grid() const { return grid_; }
    BarcodeRecordFile& file() { return services_.records; }

    // `記憶匯入`: changed when the grid was replaced by the copied cells.
    ImportResult importSpreadsheet();
    // `貼上` at the current cell.
    ImportResult paste();
    // `儲存多筆資料`.
    ImportSave::Result save();
    // `全選圖`: every cell and the conversion table emptied, with a beep; the range stays.
    void clearAll();
    // An item of the table function panel on row or column k; true when performed.
    bool performTableFunction(int item, TableFunctions::Mode mode, int k);

    // Closing: `匯入視窗大小` from the window state (0 normal, 1 minimised, 2 maximised) and its
    // normal geometry.
    void storePlacement(int state, const QRectF& geometry);

private:
    QString clipboardText() const;

    Services services_;
    ImportGrid grid_;
    ImportSettings settings_;
};

} // namespace brevmark
