#include "manager/RecordManager.h"

#include "common/Cp950.h"
#include "platform/Clipboard.h"
#include "platform/SystemServices.h"
#include "records/RecordTextPreparation.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"
#include "symbology/BarcodeText.h"

namespace brevmark {

RecordManager::RecordManager(Services services)
    : services_(std::move(services)), file_(services_.files, services_.recordsFolder) {}

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

void RecordManager::forgetSelection() {
    selectedLine_ = -1;
    selectedPosition_.reset();
    changing_.reset();
}

RecordManager::ReadResult RecordManager::fullRead() {
    forgetSelection();
    list_.clear();
    lastSpecified_.reset();
    ReadResult read = file_.readAll();
    limitReached_ = read.outcome == BarcodeRecordFile::ReadOutcome::LimitReached;
    QList<StoredRecord> display = read.records;
    list_.setTables(std::move(read.records), std::move(display));
    if (read.outcome == BarcodeRecordFile::ReadOutcome::Complete && !list_.display().isEmpty())
        list_.build();
    read.records.clear();
    return read;
}

RecordManager::ReadResult RecordManager::specifiedRead(const RecordEntry& entry) {
    forgetSelection();
    list_.clear();
    lastSpecified_ = entry;
    ReadResult read = file_.readMatching(entry);
    limitReached_ = false;
    list_.setTables(std::move(read.records), std::move(read.matching));
    if (!list_.display().isEmpty())
        list_.build();
    read.records.clear();
    read.matching.clear();
    return read;
}

RecordManager::ReadResult RecordManager::readAgain() {
    if (lastSpecified_) {
        const RecordEntry entry = *lastSpecified_;
        return specifiedRead(entry);
    }
    return fullRead();
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

std::optional<StoredRecord> RecordManager::selectedRecord() const {
    return list_.recordOfLine(selectedLine_);
}

std::optional<int> RecordManager::duplicateLine(const QString& barcode) const {
    return list_.lineOfBarcode(barcode);
}

// ----------------------------------------------------------------------------------- changes

RecordManager::EntryResult RecordManager::prepare(RecordEntry& entry) {
    const record_texts::Prepared prepared = record_texts::prepareForManager(entry);
    entry = prepared.entry;
    EntryResult result;
    result.barcodeLostCharacters = prepared.barcodeLostCharacters;
    result.incomplete =
        entry[BarcodeRecord::Barcode].isEmpty() || entry[BarcodeRecord::Category].isEmpty();
    return result;
}

RecordManager::EntryResult RecordManager::add(RecordEntry& entry) {
    EntryResult result = prepare(entry);
    if (result.incomplete)
        return result;
    result.write = file_.append(entry);
    if (!result.write.written())
        return result;
    if (!settings_.fieldCountStored) {
        services_.settings.set(settings_keys::fieldCount, QString::number(settings_.fieldCount));
        settings_.fieldCountStored = true;
    }
    services_.requestPendingNotice(1);
    return result;
}

std::optional<RecordEntry> RecordManager::loadForChange() {
    changing_ = list_.recordOfLine(selectedLine_);
    if (!changing_)
        return std::nullopt;
    return changing_->record.entry();
}

RecordManager::EntryResult RecordManager::change(RecordEntry& entry) {
    if (!changing_)
        return {};
    // A field cut for the entry field stays whole in the file unless its text was edited.
    std::array<bool, BarcodeRecord::entryFieldCount> keptWhole{};
    for (int k = 0; k < BarcodeRecord::entryFieldCount; ++k) {
        const QString& loaded = changing_->record[k];
        keptWhole[std::size_t(k)] = BarcodeRecord::isCut(loaded) && entry[std::size_t(k)] == loaded;
    }
    EntryResult result = prepare(entry);
    for (int k = 0; k < BarcodeRecord::entryFieldCount; ++k)
        if (keptWhole[std::size_t(k)])
            entry[std::size_t(k)] = changing_->record[k];
    if (result.incomplete)
        return result;
    result.write = file_.change(*changing_, entry);
    if (result.write.written())
        services_.requestPendingNotice(4);
    return result;
}

std::optional<RecordManager::WriteResult> RecordManager::removeSelected() {
    const std::optional<StoredRecord> record = list_.recordOfLine(selectedLine_);
    if (!record)
        return std::nullopt;
    const WriteResult written = file_.remove(*record);
    if (written.written())
        services_.requestPendingNotice(2);
    return written;
}

std::optional<RecordManager::WriteResult> RecordManager::moveSelected(bool up) {
    const int line = selectedLine_;
    if (up ? !list_.canMoveUp(line) : !list_.canMoveDown(line))
        return std::nullopt;
    const int partner = list_.partnerLine(line, up);
    const std::optional<StoredRecord> a = list_.recordOfLine(line);
    const std::optional<StoredRecord> b = list_.recordOfLine(partner);
    if (!a || !b)
        return std::nullopt;
    const WriteResult written = file_.swap(*a, *b);
    if (!written.written())
        return written;
    list_.swapLines(line, partner);
    selectedLine_ = partner;
    selectedPosition_ = b->position;
    services_.system.beep();
    return written;
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

RecordManager::CaptionResult RecordManager::renameCaption(int field, const QString& text) {
    if (field < 1 || field > 6)
        return {settings_.captions[0], QString()};
    QString caption = record_texts::trimSpaces(cleanField(text));
    if (caption.isEmpty())
        caption = field_captions::defaultCaption(field);
    // TOP.reg is code page 950 text: a caption it cannot hold is not taken at all.
    if (const QString lacking = cp950::unencodableCharacters(caption); !lacking.isEmpty())
        return {settings_.captions[std::size_t(field)], lacking};
    settings_.captions[std::size_t(field)] = caption;
    services_.settings.set(settings_keys::fieldCaptions,
                           field_captions::settingValue(settings_.captions));
    if (services_.mainWindowCaption)
        services_.mainWindowCaption(field, caption);
    applyListSettings();
    return {caption, QString()};
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

bool RecordManager::exportList() {
    if (list_.display().isEmpty())
        return false;
    services_.clipboard.clear();
    services_.clipboard.setText(list_.exportText());
    return true;
}

void RecordManager::copyPicture(const QImage& picture) {
    services_.clipboard.clear();
    services_.clipboard.setImage(picture);
}

QDate RecordManager::today() const {
    return services_.system.now().date();
}

} // namespace brevmark
