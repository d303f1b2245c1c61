#pragma once

#include "page/RecordLoadList.h"
#include "records/BarcodeRecordFile.h"

#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace brevmark {

class SkinButton;
class Timer;

// The record-load panel `條碼載入窗` of the main window: the prefix field `開頭碼`, the field
// choice lists `記錄選項` 1 to 6 under their captions `說明` (shadows `說明2`), the barcode list
// `篩選項` 0 a barcode is picked from (the value lists `篩選項` 1 to 6 are the choice lists'
// drop-downs), the reload command `重新讀取` and the close button `關閉窗` 0. It works on the
// main window's timers `讀條碼檔` (the read), `稍後執行` (the prefix filter) and `終點顯示` (the
// caption fill).
class RecordLoadPanel : public QWidget {
    Q_OBJECT
public:
    struct Context {
        BarcodeRecordFile& file;
        Timer& readTimer;
        Timer& prefixTimer;
        Timer& captionTimer;
        // Puts a picked barcode into the barcode edit panel's text box.
        std::function<void(const QString&)> pick;
        // A read that met a damaged or unreadable file: the shell says so (and repairs a
        // damaged file, which may end the program).
        std::function<void(const BarcodeRecordFile::ReadResult&)> readFailed;
        // Press on the close button `關閉窗` 0.
        std::function<void()> close;
    };

    RecordLoadPanel(Context context, QWidget* parent);

    // Shows the panel with its top-left corner there (pixels of the parent) and starts the read.
    void openAt(QPoint topLeft);
    // The captions of fields 1 to 6 and the last field the main window shows.
    void setCaptions(const QStringList& captions, int lastShownField);
    // The reload command: reads the file again, undoing every narrowing.
    void reload();
    // `寫入選擇清單`: the lists from the model's rows, then the caption fill once.
    void writeSelectionLists();
    const RecordLoadList& model() const { return model_; }

    QLineEdit* prefixField() const { return prefix_; }
    QListWidget* barcodeList() const { return values_[0]; }
    QComboBox* choiceList(int field) const { return choices_[std::size_t(field)]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void read();
    void prefixFilter();
    void captionFill();
    void fillLists();
    void layoutChoices();

    Context context_;
    RecordLoadList model_;
    QStringList captions_;
    bool clearingPrefix_ = false;
    QLineEdit* prefix_;
    SkinButton* reload_;
    SkinButton* close_;
    std::array<QListWidget*, 7> values_{};
    std::array<QComboBox*, 7> choices_{}; // 1 to 6
    std::array<QLabel*, 7> captionLabels_{};
    std::array<QLabel*, 7> captionShadows_{};
};

} // namespace brevmark
