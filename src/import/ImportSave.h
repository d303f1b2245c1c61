#pragma once

#include "import/ImportResult.h"
#include "records/BarcodeRecordFile.h"

#include <optional>

namespace brevmark {

class ImportGrid;

// `儲存多筆資料` (save): every row of the range is cleaned and checked first (a barcode and a
// category are needed, and every text must fit code page 950); only when all rows pass are they
// appended to the record file, in one write, as one barcode record each. A refused or failed
// save writes nothing and keeps the grid; a save that wrote empties the grid. Barcodes that lost
// characters Code 39 cannot hold are named in one notice, however many rows they are.
class ImportSave {
public:
    enum class Outcome {
        Saved,      // every row is in the file; the grid is empty
        Refused,    // a row failed a check: nothing written, the failing cell named
        NotWritten, // the file could not be written (the user has been told): nothing written
    };
    struct Cell {
        int row = 0;
        int column = 0;
        bool operator==(const Cell&) const = default;
    };
    struct Result {
        Outcome outcome = Outcome::Saved;
        // The cell the check stopped at, for the cell frame.
        std::optional<Cell> failing;
        // In order: the removal notice (the records whose barcode was cleaned), then why the
        // check stopped.
        QList<UserMessage> messages;
    };

    static Result run(ImportGrid& grid, BarcodeRecordFile& file);
};

} // namespace brevmark
