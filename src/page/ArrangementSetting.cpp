#include "page/ArrangementSetting.h"

#include "records/SettingsKeys.h"

namespace brevmark {

const StoredSetting<ArrangementSettings>& arrangementSetting() {
    static const StoredSetting<ArrangementSettings> setting{
        settings_keys::printArrangement, ArrangementSettings{},
        [](const QString& text) -> std::optional<ArrangementSettings> {
            ArrangementSettings settings;
            if (!settings.restore(text))
                return std::nullopt;
            return settings;
        },
        [](const ArrangementSettings& settings) { return settings.settingText(); }};
    return setting;
}

} // namespace brevmark
