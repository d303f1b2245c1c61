#include "print/StoredPrintSettings.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"

namespace brevmark {

bool StoredPrintSettings::apply(PrintSettings& settings, const QString& key, const QString& value) {
    if (key == settings_keys::printerKind) {
        settings.printerKind = toUInt8(leadingNumber(value));
        return true;
    }
    if (key == settings_keys::printResolution) {
        const Fixed4 resolution = Fixed4::fromDouble(leadingNumber(value));
        if (resolution.raw() > 0 && resolution.toDouble() <= PrintSettings::largestResolution)
            settings.resolution = resolution;
        return true;
    }
    return false;
}

PrintSettings StoredPrintSettings::from(const SettingsStore& store) {
    PrintSettings settings;
    for (const SettingsStore::Entry& e : store.entries())
        apply(settings, e.key, e.value);
    return settings;
}

} // namespace brevmark
