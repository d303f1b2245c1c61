#pragma once

#include "import/BulkImport.h"
#include "import/ImportFrameLayout.h"
#include "platform/qt/WindowPointer.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QScrollBar;

namespace brevmark {

class CaptionButtons;

class ImportGridView;
class MessageBoxes;
class PictureControl;
class Timer;

// The bulk import window `匯入視窗` (caption "多筆條碼匯入-功能"). It draws its own frame from
// the eight pieces `視窗底圖`, moves, resizes (down to 12000 × 7200 twips), minimises and
// maximises itself like the main window, and holds the grid viewport, its scroll bars
// `捲軸上下` and `捲軸左右`, the toolbar buttons `記憶匯入` and `儲存多筆資料`, the caption
// buttons `關離功能` and the hint line `說明提示`. The record manager opens a new one each time;
// closing it stores `匯入視窗大小` and says so with closed().
class ImportWindow : public QWidget {
    Q_OBJECT
public:
    using Pointer = WindowPointer;

    ImportWindow(BulkImport::Services services, MessageBoxes& messages, QWidget* parent = nullptr);
    ~ImportWindow() override;

    BulkImport& model() { return *model_; }
    ImportGridView* grid() const { return grid_; }
    // `視窗底圖排列` (frame layout).
    void layoutFrame();
    // `捲軸使用分析` (scroll bar check).
    void checkScrollBars();
    // The hint line `說明提示` and its shadow `說明提示2`.
    void setHint(const QString& text);
    QString hint() const;
    const ImportFrameLayout& frame() const { return frame_; }
    Pointer pointer() const { return pointer_; }

    QRectF geometryTwips() const;
    void setGeometryTwips(const QRectF& twips);
    // 0 normal, 1 minimised, 2 maximised.
    int windowStateCode() const;

signals:
    // The window is closing; `匯入視窗大小` has been stored.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildCaptionButtons();
    void buildToolbar();
    void buildScrollBars();
    void placeWidget(QWidget* widget, const QRectF& twips);
    void parkToolbar(int shown);
    void setPointer(Pointer pointer);
    void toggleMaximised();
    void scrollGrid();
    void showRow(int row);

    std::unique_ptr<BulkImport> model_;
    ImportFrameLayout frame_;
    ImportGridView* grid_ = nullptr;
    Timer* layoutTimer_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* hintShadow_ = nullptr;
    CaptionButtons* captionGroup_ = nullptr;
    std::array<PictureControl*, 2> toolbar_{}; // 記憶匯入, 儲存多筆資料
    std::array<QImage, ImportFrameLayout::pieceCount> pieceImages_;
    std::array<QImage, 2> toolbarImages_;
    QImage titleImage_;
    QImage gripImage_;

    Pointer pointer_ = Pointer::Default;
    QPointF press_;
    // The window-drag flag: -1 from a press on the background until its release.
    int windowDrag_ = 0;
    bool closing_ = false;
};

} // namespace brevmark
