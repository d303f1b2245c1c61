#include "symbology/BarcodeEntry.h"

namespace brevmark {

QString itemTextOfEntry(const QString& entryText) {
    return entryText.toUpper();
}

} // namespace brevmark
