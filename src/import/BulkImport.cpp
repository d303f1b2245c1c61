#include "import/BulkImport.h"

#include "import/PasteImport.h"
#include "import/SpreadsheetImport.h"
#include "platform/Clipboard.h"
#include "platform/SystemServices.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"

namespace brevmark {

BulkImport::BulkImport(Services services) : services_(std::move(services)) {}

BulkImport::BulkImport(Services services, ImportColumns::Measure measure)
    : services_(std::move(services)), grid_(std::move(measure)) {}

const ImportSettings& BulkImport::open() {
    settings_ = ImportSettings::read(services_.settings, services_.system.screenSizeTwips());
    ImportColumns& columns = grid_.columns();
    columns.setCount(settings_.columnCount);
    for (int c = 0; c < BarcodeRecord::entryFieldCount; ++c)
        columns.setCaption(c, settings_.captions[std::size_t(c)]);
    columns.resetWidths();
    grid_.range().setRange(1);
    return settings_;
}

QString BulkImport::clipboardText() const {
    // The conversion text (`轉換區`) is the clipboard's plain text only: a picture or anything
    // else on the clipboard reads as nothing.
    return services_.clipboard.text();
}

ImportResult BulkImport::importSpreadsheet() {
    return SpreadsheetImport::run(grid_, clipboardText());
}

ImportResult BulkImport::paste() {
    return PasteImport::run(grid_, clipboardText());
}

ImportSave::Result BulkImport::save() {
    const ImportSave::Result result = ImportSave::run(grid_, services_.records);
    if (result.outcome == ImportSave::Outcome::Saved && services_.requestNotice)
        services_.requestNotice(1);
    return result;
}

void BulkImport::clearAll() {
    grid_.cells().clear();
    grid_.conversion().clear();
    services_.system.beep();
}

bool BulkImport::performTableFunction(int item, TableFunctions::Mode mode, int k) {
    return TableFunctions::perform(item, mode, k, grid_);
}

void BulkImport::storePlacement(int state, const QRectF& geometry) {
    services_.settings.set(settings_keys::importWindowSize,
                           ImportSettings::placementText(state, geometry));
}

} // namespace brevmark
