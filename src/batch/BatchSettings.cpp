#include "batch/BatchSettings.h"

#include "manager/FieldCaptions.h"
#include "platform/DataLocation.h"
#include "print/StoredPrintSettings.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"

namespace brevmark {

std::variant<BatchSettings, BatchFailure> BatchSettings::load(FileSystem& files,
                                                              const DataLocation& location) {
    SettingsStore store(files, location.recordsFolder());
    QString error;
    if (!store.loadAsIs(&error))
        return BatchFailure{BatchExit::Damaged,
                            QStringLiteral("設定檔 ") + store.filePath() +
                                QStringLiteral(" 無法使用：") + error +
                                QStringLiteral("（檔案沒有變更，請用 Brevmark 開啟以修復）")};
    BatchSettings settings;
    settings.printing = StoredPrintSettings::from(store);
    store.forEach(settings_keys::printArrangement,
                  [&](const QString& value) { settings.arrangement.restore(value); });
    field_captions::Captions captions = field_captions::defaults();
    store.forEach(settings_keys::fieldCaptions, [&](const QString& value) {
        if (const std::optional<field_captions::Captions> parsed = field_captions::parse(value))
            captions = *parsed;
    });
    settings.recordCaptions = QStringList(captions.begin(), captions.end());
    return settings;
}

} // namespace brevmark
