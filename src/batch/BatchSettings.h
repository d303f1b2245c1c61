#pragma once

#include "batch/BatchFailure.h"
#include "page/Arrangement.h"
#include "print/PrintSettings.h"

#include <QStringList>
#include <variant>

namespace brevmark {

class DataLocation;
class FileSystem;

// What a batch job takes from the data folder's settings file TOP.reg, as the program reads it at
// start-up: the printer kind and print resolution, the arrangement boxes (`列印排列`) and the
// captions of the seven record fields (`標籤A`). The file is read as it stands: a damaged one is
// reported, never repaired.
struct BatchSettings {
    PrintSettings printing;
    ArrangementSettings arrangement;
    QStringList recordCaptions; // barcode, category, name, custom 1 to 4

    static std::variant<BatchSettings, BatchFailure> load(FileSystem& files,
                                                          const DataLocation& location);
};

} // namespace brevmark
