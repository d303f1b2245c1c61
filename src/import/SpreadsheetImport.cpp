#include "import/SpreadsheetImport.h"

#include "import/ClipboardLines.h"
#include "import/ImportGrid.h"
#include "import/ImportTexts.h"
#include "records/RecordTextPreparation.h"

#include <algorithm>

namespace brevmark {

ImportResult SpreadsheetImport::run(ImportGrid& grid, const QString& clipboardText) {
    namespace texts = import_texts;
    const auto refused = [](const QString& text) {
        return ImportResult{false, {UserMessage::warning(texts::errorTitle, text)}};
    };
    if (!clipboard_lines::hasLineBreak(clipboardText))
        return refused(texts::importTooLittle);
    const QStringList lines = clipboard_lines::split(clipboardText);
    // The whole header line is looked at, however long it is.
    if (!record_texts::trimSpaces(lines.first()).contains(ConversionTable::separator))
        return refused(texts::importNotSpreadsheet);
    ImportResult result{true, {}};
    int k = std::max(0, clipboard_lines::lastLineIndex(lines));
    if (k > maxRows) {
        k = maxRows;
        result.messages << UserMessage::information(texts::excessTitle, texts::importExcess);
    }
    grid.range().setRange(k + 1);
    grid.conversion().convert(lines, k);
    CellTable& cells = grid.cells();
    cells.clear();
    const ImportColumns& columns = grid.columns();
    for (int w = 0; w <= columns.count(); ++w) {
        const QString header = record_texts::trimSpaces(grid.conversion().field(0, w));
        for (int c = 0; c < columns.count(); ++c) {
            if (columns.caption(c) != header)
                continue;
            for (int j = 1; j <= k; ++j)
                cells.setText(j - 1, c, grid.conversion().field(j, w));
        }
    }
    if (k >= 1)
        grid.range().setRange(k);
    return result;
}

} // namespace brevmark
