#pragma once

#include "import/ImportSave.h"
#include "import/TableFunctions.h"
#include "platform/ImageSurface.h"

#include <QList>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;

namespace brevmark {

class BulkImport;
class CellFrame;
class MessageBoxes;
class PictureControl;
class TableFunctionPanel;

// The grid viewport `新增載入窗` of the bulk import window: the header strip `標題窗` with the
// column headers `標題框` and the clear-all corner `全選圖`, the grid area `新增載入區` with the
// row labels `數字籤` on their backgrounds `數字底`, the range handle `指標` and its guide line
// `列印底線`, the cell editor `修改文字` and the cell frame `待輸入框`, the paste pop-up `貼上`
// and the table function panel. It forwards the pointer and keys to the BulkImport model and
// draws what the grid holds.
class ImportGridView : public QWidget {
    Q_OBJECT
public:
    ImportGridView(BulkImport& model, MessageBoxes& messages, QWidget* parent);
    ~ImportGridView() override;

    // `防閃逤繪圖` (draw header).
    void drawHeader();
    // `繪製表格` (draw grid): hides the table function panel, sizes and paints the grid area;
    // the window then runs its scroll bar check.
    void drawGrid();
    // Apply range: the row labels and backgrounds follow the model's range, then draw grid.
    void applyRange();
    // The grid area and the header strip where the scroll bars put them (bar values).
    void scrollTo(int vertical, int horizontal);
    QSizeF gridSize() const;

    // The paste pop-up and the table function panel hidden.
    void hidePopups();
    // The cell editor and the cell frame hidden.
    void hideEditor();
    bool isEditorOpen() const;
    // Closes the editor, then `記憶匯入` / `儲存多筆資料` on the model, and shows what it says.
    void importSpreadsheet();
    void save();

    const QImage& gridImage() { return gridSurface_.image(); }
    const QImage& headerImage() { return headerSurface_.image(); }

signals:
    void hinted(const QString& hint);
    // The grid area changed its size: the scroll bars are checked.
    void gridResized();
    // Wants the row in view (after a save stopped at it).
    void rowWanted(int row);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildGridArea();
    void placeHeaders();
    void placeHandle();
    void addRowLabel(int row);
    void gridMoved(QPointF at);
    void gridReleased(QPointF at, Qt::MouseButton button);
    void openEditor(int row, int column);
    bool editorKey(QKeyEvent* event);
    void showFrame(const QRectF& twips, const QString& tag);
    void openFunctions(TableFunctions::Mode mode, int k);
    // One box for each message, in order.
    void tell(const QList<UserMessage>& messages);
    void performFunction(int item);
    void headerMoved(int c, QPointF at, Qt::MouseButtons buttons);
    void headerReleased(int c, Qt::MouseButton button);
    void headerDoubleClicked(int c);
    void paste();

    BulkImport& model_;
    MessageBoxes& messages_;
    ImageSurface headerSurface_;
    ImageSurface gridSurface_;
    QImage headerPicture_;
    QImage rowLabelPicture_;

    PictureControl* headerStrip_ = nullptr;
    std::array<PictureControl*, 12> headers_{};
    PictureControl* clearAll_ = nullptr;
    PictureControl* gridArea_ = nullptr;
    QList<PictureControl*> rowBackgrounds_;
    QList<QLabel*> rowLabels_;
    PictureControl* handle_ = nullptr;
    QWidget* guide_ = nullptr;
    QLineEdit* editor_ = nullptr;
    CellFrame* frame_ = nullptr;
    PictureControl* pastePopup_ = nullptr;
    TableFunctionPanel* functions_ = nullptr;

    // Whether the editor's text changed since it was loaded with its cell.
    bool editorChanged_ = false;
    double pressedWidth_ = 0;
    int sizingHeader_ = -1;
};

} // namespace brevmark
