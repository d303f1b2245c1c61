#pragma once

#include "manager/ManagerSettings.h"
#include "manager/RecordList.h"
#include "records/BarcodeRecordFile.h"

#include <QDate>
#include <QImage>
#include <functional>
#include <optional>

namespace brevmark {

class Clipboard;
class MessageBoxes;
class SettingsStore;
class SystemServices;

// The record manager `條碼管理窗` without its widgets: reads, the filter, the selection, adding,
// changing, deleting and moving records, captions, ticks and the field count, the exports. The
// window forwards its events here and shows what the state says. Every change to the file is
// followed by a full read, which the window starts.
class RecordManager {
public:
    struct Services {
        FileSystem& files;
        SettingsStore& settings;
        MessageBoxes& messages;
        Clipboard& clipboard;
        SystemServices& system;
        QString recordsFolder;
        // Records a prompt notice (1 added, 2 deleted, 4 changed) that the next read shows.
        std::function<void(int)> requestPendingNotice;
        // Shows the recorded notice, if there is one.
        std::function<void()> showPendingNotice;
        // Ends the program at once (after a repair of the record file).
        std::function<void()> endProgram;
        // Caption k (1 to 6) of the main window's record-load panel.
        std::function<void(int, const QString&)> mainWindowCaption;
    };

    explicit RecordManager(Services services);

    // Opening: captions, column edges, ticks, field count and the preview settings.
    void open();
    const ManagerSettings& preferences() const { return settings_; }
    RecordList& list() { return list_; }
    const RecordList& list() const { return list_; }
    BarcodeRecordFile& file() { return file_; }

    // --- reads ---
    // The whole file (up to 6000 records) into the loaded and the display table, and the list.
    void fullRead();
    // The records matching the entry texts, of the first 6000 records of the file.
    void specifiedRead(const RecordEntry& entry);
    // Narrows the loaded table by the entry texts in use.
    void filter(const RecordEntry& entry);
    // After a read stopped at 6000 records: the specified read is offered instead of a list.
    bool limitReached() const { return limitReached_; }

    // --- the selection ---
    // A click on a list line: the record it shows, or nothing for the header or no line.
    std::optional<StoredRecord> select(int line);
    int selectedLine() const { return selectedLine_; }
    std::optional<int> selectedPosition() const { return selectedPosition_; }
    // Enter in the barcode field: the line of the first record with exactly this barcode.
    std::optional<int> duplicateLine(const QString& barcode) const;

    // --- changes (the texts are prepared in place; true when the file was written) ---
    bool add(RecordEntry& entry);
    // `點選修改`: remembers the selected record's position for the change and gives its fields.
    std::optional<RecordEntry> loadForChange();
    bool change(RecordEntry& entry);
    // Asks first; true when the record was deleted.
    bool removeSelected();
    // Swaps the selected record with its neighbour above (up) or below in the list, in the file
    // and in the tables; the selection moves with the record. True when swapped.
    bool moveSelected(bool up);

    // --- settings ---
    void setTick(int field, bool on);
    void setFieldCount(int count);
    int fieldCount() const { return settings_.fieldCount; }
    const field_captions::Captions& captions() const { return settings_.captions; }
    // Caption editing of field 1 to 6: cleaned and trimmed; an empty caption returns to its
    // default. Stores `標籤A`; returns the caption now shown.
    QString renameCaption(int field, const QString& text);
    void storeColumnEdges(const std::array<double, 7>& edges);
    void setPictureText(bool on);
    void setThickness(int thickness);
    void setPreview(bool on);

    // --- exports ---
    // `轉至Excel`: the listed records as tab-separated text on the clipboard.
    void exportList();
    // A double click on the preview: the picture on the clipboard.
    void copyPicture(const QImage& picture);
    // `多筆按鈕` while the bulk import window does not exist yet.
    void reportImportUnavailable();

    QDate today() const;

private:
    bool finishWrite(BarcodeRecordFile::WriteOutcome outcome);
    void applyListSettings();
    bool prepare(RecordEntry& entry);

    Services services_;
    BarcodeRecordFile file_;
    ManagerSettings settings_;
    RecordList list_;
    bool limitReached_ = false;
    int selectedLine_ = -1;
    std::optional<int> selectedPosition_;
    std::optional<int> changePosition_;
};

} // namespace brevmark
