#pragma once

#include "manager/ColumnLayout.h"
#include "manager/RecordManager.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace brevmark {

class MessageBoxes;
class PictureControl;
class Timer;

// The record manager window `條碼管理窗` (caption "Tavo 條碼管理"): the seven entry fields
// `資料` under their captions `說明`, the list `歷史清單` with its ticks `資料顯項`, the value
// lists `篩選選項`, the row actions `點選功能`, the commands, the date picker `日期窗` and the
// barcode preview `預覽圖` with its display settings panel `顯示設定窗`. Controls of one array
// share a name and keep their number in the property "index". It is a child window of the main
// window; it forwards every event to the RecordManager model, shows what the model says and the
// messages its results call for.
class RecordManagerWindow : public QWidget {
    Q_OBJECT
public:
    RecordManagerWindow(RecordManager::Services services, MessageBoxes& messages,
                        QWidget* parent = nullptr);
    ~RecordManagerWindow() override;

    RecordManager& model() { return *model_; }
    // Starts a full read on the re-read timer `讀條碼檔` (the bulk import window does this when
    // it closes).
    void startFullRead();
    // What `多筆按鈕` opens; without one the command says the bulk import is not available yet.
    void setImportOpener(std::function<void()> open) { openImport_ = std::move(open); }

    // `排列歷史清單`: the list from the model's display table.
    void showList();
    // `載入標籤使用量`: fields 0 to the field count are shown, the rest hidden.
    void loadFieldUsage();
    // `重設標籤`: the captions onto the ticks.
    void resetCaptions();
    // `調整輸入位置`: captions, separators and entry fields placed from the column edges.
    void adjustEntryLayout();
    // `條碼預覽`: draws the barcode of the barcode field.
    void previewBarcode();
    // `天數查詢`: the day list for the chosen year and month.
    void refreshDays();

    QLineEdit* entry(int field) const { return entries_[std::size_t(field)]; }
    QString hint() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class PendingRead { Full, Specified };
    void buildTitle();
    void buildEntryCard();
    void buildCommands();
    void buildList();
    void buildDatePicker();
    void buildPreview();
    void buildHintLine();
    void attachHint(QWidget* widget, const QString& text);
    void setHint(const QString& text);

    void runPendingRead();
    // The messages a read calls for; false when the program ends (a damaged file was rebuilt).
    bool reportRead(const RecordManager::ReadResult& read, bool specified);
    // The messages a write calls for, in the order the user meets them; false when the program
    // ends. A write refused because another program changed the file reads the list again.
    bool reportWrite(const BarcodeRecordFile::WriteResult& write);
    bool reportEntry(const RecordManager::EntryResult& result);
    // A damaged file: the notice, the repair, and the end of the program when it was rebuilt.
    bool repairAndReport();
    void resetWindow(bool keepEntries);
    void afterRead();
    void updateCommands();
    void selectLine(int line);
    void placeRowActions();
    void hideValueLists();
    void openValueList(int field);
    void openDatePicker(int field);
    void pickDay(const QString& day);
    void openCaptionEditor(int field);
    void confirmCaptionEditor();
    bool entryKey(int field, QKeyEvent* event);
    bool entryMouse(int field, QEvent* event);
    RecordEntry entryTexts() const;
    void setEntryTexts(const RecordEntry& texts);
    void addRecord();
    void changeRecord();
    void deleteRecord();
    void moveRecord(bool up);
    void exportList();
    void placeSettingsPanel(bool belowPreview);
    void hidePreview();

    std::unique_ptr<RecordManager> model_;
    MessageBoxes& messages_;
    ColumnLayout columns_;
    std::function<void()> openImport_;
    Timer* readTimer_ = nullptr;
    PendingRead pending_ = PendingRead::Full;
    QImage background_;

    QWidget* entryCard_ = nullptr;
    std::array<QLabel*, 7> captions_{};
    std::array<QLineEdit*, 7> entries_{};
    std::array<QWidget*, 7> separators_{};
    std::array<QCheckBox*, 7> ticks_{};
    QComboBox* fieldCount_ = nullptr;
    QLineEdit* captionEditor_ = nullptr;
    int editedCaption_ = -1;
    std::array<QListWidget*, 2> valueLists_{}; // categories, names

    QPushButton* add_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* specified_ = nullptr;
    QPushButton* filter_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* bulk_ = nullptr;
    QPushButton* previewSwitch_ = nullptr;
    PictureControl* showBarcode_ = nullptr;

    QListWidget* list_ = nullptr;
    QWidget* rowActions_ = nullptr;
    QPushButton* moveUp_ = nullptr;
    QPushButton* moveDown_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* loadForChange_ = nullptr;

    QWidget* datePicker_ = nullptr;
    QComboBox* years_ = nullptr;
    QComboBox* months_ = nullptr;
    QComboBox* days_ = nullptr;
    int dateTarget_ = -1;

    PictureControl* preview_ = nullptr;
    // The barcode the preview picture shows.
    QString previewed_;
    QLabel* previewCard_ = nullptr;
    QWidget* settingsPanel_ = nullptr;
    std::array<QRadioButton*, 4> ratios_{};
    QComboBox* thickness_ = nullptr;
    QLabel* thicknessShown_ = nullptr;
    QCheckBox* previewText_ = nullptr;
    int widthRatio_ = 0;
    QPoint panelDragStart_;

    QLabel* hint_ = nullptr;
    QLabel* hintShadow_ = nullptr;
    PictureControl* close_ = nullptr;

    // Column drag and window drag.
    int resizedField_ = -1;
    double resizeX_ = 0;
    bool dragging_ = false;
    QPoint dragStart_;
    QPoint windowStart_;
};

} // namespace brevmark
