#include "import/PasteImport.h"

#include "import/ClipboardLines.h"
#include "import/ImportGrid.h"
#include "import/ImportTexts.h"
#include "records/RecordTextPreparation.h"

#include <algorithm>

namespace brevmark {

ImportResult PasteImport::run(ImportGrid& grid, const QString& clipboardText) {
    namespace texts = import_texts;
    if (clipboardText.isEmpty())
        return {};
    const QStringList lines = clipboard_lines::split(clipboardText);
    int k = clipboard_lines::lastLineIndex(lines);
    if (k < 0)
        return {false, {UserMessage::warning(texts::errorTitle, texts::pasteTooLittle)}};
    ImportResult result{true, {}};
    if (k > maxRows) {
        k = maxRows;
        result.messages << UserMessage::information(texts::excessTitle, texts::pasteExcess);
    }
    ConversionTable& conversion = grid.conversion();
    conversion.convert(lines, k);
    const int r0 = grid.currentRow();
    const int c0 = grid.currentColumn();
    const int lastColumn = std::min(c0 + conversion.widest(), grid.columns().count() - 1);
    const int lastRow = std::min(r0 + k, RowRange::maxLast);
    for (int c = c0; c <= lastColumn; ++c)
        for (int r = r0; r <= lastRow; ++r)
            grid.cells().setText(r, c, record_texts::trimSpaces(conversion.field(r - r0, c - c0)));
    return result;
}

} // namespace brevmark
