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
class SettingsStore;
class SystemServices;

// The record manager `條碼管理窗` without its widgets: reads, the filter, the selection, adding,
// changing, deleting and moving records, captions, ticks and the field count, the exports. The
// window forwards its events here, shows what the state says and the messages the results call
// for. Every change to the file is followed by a full read, which the window starts.
class RecordManager {
public:
    struct Services {
        FileSystem& files;
        SettingsStore& settings;
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

    using ReadResult = BarcodeRecordFile::ReadResult;
    using WriteResult = BarcodeRecordFile::WriteResult;
    // What adding or changing came to: the removal notice comes first when the barcode lost
    // characters, then the incomplete-entry warning or what the write came to.
    struct EntryResult {
        bool barcodeLostCharacters = false;
        bool incomplete = false;
        WriteResult write{BarcodeRecordFile::WriteOutcome::Failed, QString()};
        bool written() const { return !incomplete && write.written(); }
    };
    // A caption rename: the caption now shown, or the characters that kept it from being stored.
    struct CaptionResult {
        QString caption;
        QString refusedCharacters;
    };

    explicit RecordManager(Services services);

    // Opening: captions, column edges, ticks, field count and the preview settings.
    void open();
    const ManagerSettings& preferences() const { return settings_; }
    RecordList& list() { return list_; }
    const RecordList& list() const { return list_; }
    BarcodeRecordFile& file() { return file_; }

    // --- reads (the window shows the limit, damage and read-failure messages) ---
    // The whole file up to its first 6000 records into the loaded and the display table, and
    // the list; LimitReached leaves the list empty and offers the specified read.
    ReadResult fullRead();
    // Every record of the file matching the entry texts, up to 6000 of them; the loaded table
    // holds the file's first 6000 records and every record taken.
    ReadResult specifiedRead(const RecordEntry& entry);
    // The read the list came from, again (after another program changed the file).
    ReadResult readAgain();
    bool lastReadWasSpecified() const { return lastSpecified_.has_value(); }
    // Narrows the loaded table by the entry texts in use.
    void filter(const RecordEntry& entry);
    // After a read stopped at 6000 records: the specified read is offered instead of a list.
    bool limitReached() const { return limitReached_; }

    // --- the selection ---
    // A click on a list line: the record it shows, or nothing for the header or no line.
    std::optional<StoredRecord> select(int line);
    int selectedLine() const { return selectedLine_; }
    std::optional<int> selectedPosition() const { return selectedPosition_; }
    // The record of the selected line, as the list shows it.
    std::optional<StoredRecord> selectedRecord() const;
    // Enter in the barcode field: the line of the first record with exactly this barcode.
    std::optional<int> duplicateLine(const QString& barcode) const;

    // --- changes (the texts are prepared in place) ---
    EntryResult add(RecordEntry& entry);
    // `點選修改`: remembers the selected record for the change and gives its fields.
    std::optional<RecordEntry> loadForChange();
    // A field the record held longer than an entry field shows is kept whole when its entry
    // still shows it as loaded.
    EntryResult change(RecordEntry& entry);
    // The selected record (the window has asked the user first); nothing when none is selected.
    std::optional<WriteResult> removeSelected();
    // Swaps the selected record with its neighbour above (up) or below in the list, in the file
    // and in the tables; the selection moves with the record. Nothing when no move is offered.
    std::optional<WriteResult> moveSelected(bool up);

    // --- settings ---
    void setTick(int field, bool on);
    void setFieldCount(int count);
    int fieldCount() const { return settings_.fieldCount; }
    const field_captions::Captions& captions() const { return settings_.captions; }
    // Caption editing of field 1 to 6: cleaned and trimmed; an empty caption returns to its
    // default. Stores `標籤A`. A caption code page 950 cannot hold is refused and left as it was.
    CaptionResult renameCaption(int field, const QString& text);
    void storeColumnEdges(const std::array<double, 7>& edges);
    void setPictureText(bool on);
    void setThickness(int thickness);
    void setPreview(bool on);

    // --- exports ---
    // `轉至Excel`: the listed records as tab-separated text on the clipboard; false when the list
    // shows none.
    bool exportList();
    // A double click on the preview: the picture on the clipboard.
    void copyPicture(const QImage& picture);

    QDate today() const;
    // The shell's hooks, for the window.
    void showPendingNotice() { services_.showPendingNotice(); }
    void endProgram() { services_.endProgram(); }

private:
    void forgetSelection();
    void applyListSettings();
    EntryResult prepare(RecordEntry& entry);

    Services services_;
    BarcodeRecordFile file_;
    ManagerSettings settings_;
    RecordList list_;
    bool limitReached_ = false;
    // The entry texts of the last specified read, when the list came from one.
    std::optional<RecordEntry> lastSpecified_;
    int selectedLine_ = -1;
    std::optional<int> selectedPosition_;
    std::optional<StoredRecord> changing_;
};

} // namespace brevmark
