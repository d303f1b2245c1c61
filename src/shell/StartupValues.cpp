#include "shell/StartupValues.h"

#include "page/ArrangementSetting.h"
#include "records/SettingsStore.h"
#include "shell/StartupSettings.h"

#include <algorithm>

namespace brevmark {

int storedLastShownField(const SettingsStore& store) {
    int last = StartupValues().lastShownField;
    for (int count : startup_settings::fieldCount().readAll(store))
        last = std::max(last, count);
    return last;
}

StartupValues applyStartupSettings(const SettingsStore& store, double screenW, double screenH) {
    namespace keys = startup_settings;
    StartupValues v;
    const QList<WindowPlacement> placements = keys::windowPlacement().readAll(store);
    if (!placements.isEmpty()) {
        const WindowPlacement& p = placements.last();
        v.layoutMode = p.layoutMode;
        v.otherLayoutNumber = p.otherLayoutNumber;
        if (p.state == 2) {
            v.maximised = true;
        } else {
            if (p.left < screenW)
                v.left = p.left;
            if (p.top < screenH)
                v.top = p.top;
            v.width = p.width;
            v.height = p.height;
        }
    }
    const QList<ArrangementSettings> arrangements = arrangementSetting().readAll(store);
    if (!arrangements.isEmpty())
        v.arrangement = arrangements.last();
    const QList<QStringList> captions = keys::fieldCaptions().readAll(store);
    if (!captions.isEmpty())
        v.fieldCaptions = captions.last().mid(1);
    v.lastShownField = storedLastShownField(store);
    v.expectedPassword = keys::password().read(store);
    v.updateCheck = keys::updateCheck().read(store);
    const QList<std::uint8_t> kinds = keys::printerKind().readAll(store);
    v.printing.printerKind = keys::printerKind().read(store);
    v.printing.resolution = keys::printResolution().read(store);
    // A label printer at any point of the table narrows the simple layout's item.
    if (kinds.contains(std::uint8_t(1)))
        v.item0Width = 2700;
    return v;
}

} // namespace brevmark
