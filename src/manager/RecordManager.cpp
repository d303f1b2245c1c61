#include "manager/RecordManager.h"

#include "platform/Clipboard.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemServices.h"
#include "records/RecordTextPreparation.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"
#include "symbology/BarcodeText.h"

namespace brevmark {

RecordManager::RecordManager(Services services)
    : services_(std::move(services)),
      file_(services_.files, services_.messages, services_.recordsFolder) {}

void RecordManager::open() {
    settings_ = ManagerSettings::read(services_.settings);
    applyListSettings();
}

void RecordManager::applyListSettings() {
    list_.setCaptions(settings_.captions);
    list_.setTicks(settings_.ticks);
    list_.setLastField(settings_.fieldCount);
}

// ------------------------------------------------------------------------------------- reads

void RecordManager::fullRead() {
    selectedLine_ = -1;
    selectedPosition_.reset();
    changePosition_.reset();
    list_.clear();
    BarcodeRecordFile::ReadResult read = file_.readAll();
    if (read.outcome == BarcodeRecordFile::ReadOutcome::EndProgram) {
        services_.endProgram();
        return;
    }
    limitReached_ = read.outcome == BarcodeRecordFile::ReadOutcome::LimitReached;
    QList<StoredRecord> display = read.records;
    list_.setTables(std::move(read.records), std::move(display));
    if (!limitReached_ && !list_.display().isEmpty())
        list_.build();
    services_.showPendingNotice();
}

void RecordManager::specifiedRead(const RecordEntry& entry) {
    selectedLine_ = -1;
    selectedPosition_.reset();
    changePosition_.reset();
    list_.clear();
    BarcodeRecordFile::ReadResult read = file_.readMatching(entry);
    if (read.outcome == BarcodeRecordFile::ReadOutcome::EndProgram) {
        services_.endProgram();
        return;
    }
    limitReached_ = false;
    list_.setTables(std::move(read.records), std::move(read.matching));
    if (!list_.display().isEmpty())
        list_.build();
    services_.showPendingNotice();
}

void RecordManager::filter(const RecordEntry& entry) {
    selectedLine_ = -1;
    selectedPosition_.reset();
    list_.filter(entry);
}

// --------------------------------------------------------------------------------- selection

std::optional<StoredRecord> RecordManager::select(int line) {
    const std::optional<StoredRecord> record = list_.recordOfLine(line);
    selectedLine_ = record ? line : -1;
    selectedPosition_ = record ? std::optional<int>(record->position) : std::nullopt;
    return record;
}

std::optional<int> RecordManager::duplicateLine(const QString& barcode) const {
    return list_.lineOfBarcode(barcode);
}

// ----------------------------------------------------------------------------------- changes

bool RecordManager::prepare(RecordEntry& entry) {
    entry = record_texts::prepareForManager(entry, services_.messages);
    if (entry[BarcodeRecord::Barcode].isEmpty() || entry[BarcodeRecord::Category].isEmpty()) {
        services_.messages.warn(QStringLiteral("資料不完整 提示"),
                                QStringLiteral("資料輸入不完整"));
        return false;
    }
    return true;
}

bool RecordManager::finishWrite(BarcodeRecordFile::WriteOutcome outcome) {
    if (outcome == BarcodeRecordFile::WriteOutcome::EndProgram) {
        services_.endProgram();
        return false;
    }
    return outcome == BarcodeRecordFile::WriteOutcome::Written;
}

bool RecordManager::add(RecordEntry& entry) {
    if (!prepare(entry) || !finishWrite(file_.append(entry)))
        return false;
    if (!settings_.fieldCountStored) {
        services_.settings.set(settings_keys::fieldCount, QString::number(settings_.fieldCount));
        settings_.fieldCountStored = true;
    }
    services_.requestPendingNotice(1);
    return true;
}

std::optional<RecordEntry> RecordManager::loadForChange() {
    const std::optional<StoredRecord> record = list_.recordOfLine(selectedLine_);
    if (!record)
        return std::nullopt;
    changePosition_ = record->position;
    return record->record.entry();
}

bool RecordManager::change(RecordEntry& entry) {
    if (!changePosition_ || !prepare(entry) || !finishWrite(file_.change(*changePosition_, entry)))
        return false;
    services_.requestPendingNotice(4);
    return true;
}

bool RecordManager::removeSelected() {
    const std::optional<StoredRecord> record = list_.recordOfLine(selectedLine_);
    if (!record)
        return false;
    if (!services_.messages.confirm(QStringLiteral("刪除條碼"), QStringLiteral("確定刪除【") +
                                                                    record->record.barcode() +
                                                                    QStringLiteral("】條碼記錄")))
        return false;
    if (!finishWrite(file_.remove(record->position)))
        return false;
    services_.requestPendingNotice(2);
    return true;
}

bool RecordManager::moveSelected(bool up) {
    const int line = selectedLine_;
    if (up ? !list_.canMoveUp(line) : !list_.canMoveDown(line))
        return false;
    const int partner = list_.partnerLine(line, up);
    const std::optional<StoredRecord> a = list_.recordOfLine(line);
    const std::optional<StoredRecord> b = list_.recordOfLine(partner);
    if (!a || !b)
        return false;
    // The loaded table's copies: the rows as the file holds them.
    BarcodeRecord copyOfA = a->record;
    BarcodeRecord copyOfB = b->record;
    for (const StoredRecord& loaded : list_.loaded()) {
        if (loaded.position == a->position)
            copyOfA = loaded.record;
        else if (loaded.position == b->position)
            copyOfB = loaded.record;
    }
    if (!finishWrite(file_.swap(a->position, copyOfA, b->position, copyOfB)))
        return false;
    list_.swapLines(line, partner);
    selectedLine_ = partner;
    selectedPosition_ = b->position;
    services_.system.beep();
    return true;
}

// ---------------------------------------------------------------------------------- settings

void RecordManager::setTick(int field, bool on) {
    settings_.ticks[std::size_t(field)] = on;
    services_.settings.set(settings_keys::fieldTicks, ManagerSettings::ticksValue(settings_.ticks));
    applyListSettings();
    list_.build();
}

void RecordManager::setFieldCount(int count) {
    if (count < 1 || count > 6)
        return;
    settings_.fieldCount = count;
    settings_.fieldCountStored = true;
    services_.settings.set(settings_keys::fieldCount, QString::number(count));
    applyListSettings();
}

QString RecordManager::renameCaption(int field, const QString& text) {
    if (field < 1 || field > 6)
        return settings_.captions[0];
    QString caption = record_texts::trimSpaces(cleanField(text));
    if (caption.isEmpty())
        caption = field_captions::defaultCaption(field);
    settings_.captions[std::size_t(field)] = caption;
    services_.settings.set(settings_keys::fieldCaptions,
                           field_captions::settingValue(settings_.captions));
    if (services_.mainWindowCaption)
        services_.mainWindowCaption(field, caption);
    applyListSettings();
    return caption;
}

void RecordManager::storeColumnEdges(const std::array<double, 7>& edges) {
    settings_.columnEdges = edges;
    services_.settings.set(settings_keys::columnPositions,
                           ManagerSettings::columnEdgesValue(edges));
}

void RecordManager::setPictureText(bool on) {
    settings_.pictureText = on;
    services_.settings.set(settings_keys::pictureText,
                           on ? QStringLiteral("1") : QStringLiteral("0"));
}

void RecordManager::setThickness(int thickness) {
    settings_.thickness = qBound(1, thickness, 5);
    services_.settings.set(settings_keys::pictureThickness, QString::number(settings_.thickness));
}

void RecordManager::setPreview(bool on) {
    settings_.preview = on;
    services_.settings.set(settings_keys::managerPreview,
                           on ? QStringLiteral("1") : QStringLiteral("0"));
}

// ----------------------------------------------------------------------------------- exports

void RecordManager::exportList() {
    if (list_.display().isEmpty()) {
        services_.messages.inform(QStringLiteral("載入完成 提示"),
                                  QStringLiteral("清單中查無顯示資料無法將記憶載入 Excel 中"));
        return;
    }
    services_.clipboard.clear();
    services_.clipboard.setText(list_.exportText());
    services_.messages.warn(
        QStringLiteral("載入完成 提示"),
        QStringLiteral("完成記憶載入，請開啟 Excel 程式後，在表單處點擊滑鼠右鍵，"
                       "貼上即可將完成轉移"));
}

void RecordManager::copyPicture(const QImage& picture) {
    services_.clipboard.clear();
    services_.clipboard.setImage(picture);
    services_.messages.inform(
        QStringLiteral("完成提示"),
        QStringLiteral(
            "完成複製、可開啟 Excel 等文書 或 繪圖軟體、選擇貼上即可、注意!請勿對圖形條碼"
            "進行縮放以免失效"));
}

} // namespace brevmark

namespace brevmark {

void RecordManager::reportImportUnavailable() {
    services_.messages.inform(QStringLiteral("多筆新增 提示"),
                              QStringLiteral("多筆新增（匯入）視窗尚未提供，目前無法使用此功能；"
                                             "請先以上方的欄位逐筆新增條碼記錄。"));
}

QDate RecordManager::today() const {
    return services_.system.now().date();
}

} // namespace brevmark
