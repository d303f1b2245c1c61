#include "records/SettingsKeys.h"

namespace brevmark::settings_keys {

bool isKnown(const QString& key) {
    static const QString known[] = {mainWindowSize, printArrangement, fieldCaptions, fieldCount,
                                    columnPositions, fieldTicks, pictureText, pictureThickness,
                                    managerPreview, importWindowSize, printerKind, updateSetting,
                                    printResolution, password};
    for (const QString& k : known)
        if (k == key)
            return true;
    return key.startsWith(alignmentPrefix);
}

} // namespace brevmark::settings_keys
