#pragma once

#include "print/PrintSettings.h"

#include <QString>

namespace brevmark {

class SettingsStore;

// How the stored print settings read: the printer kind `印表裝置` as the leading number of its
// text (a byte), the print resolution `列印解析度` likewise in four decimals, where a value of zero
// or below keeps the resolution in force (it would put every bar on one spot), as does one beyond
// PrintSettings::largestResolution (its bars would lie beyond any paper).
class StoredPrintSettings {
public:
    // Applies one stored entry when it is one of the two keys; false for any other key.
    static bool apply(PrintSettings& settings, const QString& key, const QString& value);
    // The print settings of a whole store, read in table order (the last copy of a key counts).
    static PrintSettings from(const SettingsStore& store);
};

} // namespace brevmark
