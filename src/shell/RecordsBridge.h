#pragma once

#include "platform/qt/QtClipboard.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <memory>

namespace brevmark {

class BarcodeRecordFile;
class MainWindow;
class RecordLoadPanel;
class RecordManagerWindow;

// Joins the barcode records to the main window: the toolbar button `條碼管理` opens the record
// manager `條碼管理窗` as a child window, whose `多筆按鈕` opens the bulk import window `匯入視窗`
// in its place, and a double click in the barcode text box opens the record-load panel
// `條碼載入窗`, whose picked barcode goes into the edited item.
class RecordsBridge : public QObject {
    Q_OBJECT
public:
    explicit RecordsBridge(MainWindow& window);
    ~RecordsBridge() override;

    void openManager();
    // The record-load panel at a corner (twips of the main window's client area).
    void openLoadPanel(QPointF topLeft);
    RecordManagerWindow* manager() const;
    RecordLoadPanel* loadPanel() const { return loadPanel_; }

private:
    // A new bulk import window; the manager hides until it closes, then reads the file again.
    void openImport();
    void endProgram();

    MainWindow& window_;
    QtClipboard clipboard_;
    std::unique_ptr<BarcodeRecordFile> file_;
    QPointer<RecordManagerWindow> manager_;
    RecordLoadPanel* loadPanel_ = nullptr;
};

} // namespace brevmark
