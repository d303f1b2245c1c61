#include "import/ui/ImportGridView.h"

#include "common/ScreenPixels.h"
#include "import/BulkImport.h"
#include "import/EditorMoves.h"
#include "import/GridFont.h"
#include "import/GridPainter.h"
#include "import/ImportTexts.h"
#include "import/ScrollBarCheck.h"
#include "import/ui/CellFrame.h"
#include "import/ui/ImportPictures.h"
#include "import/ui/TableFunctionPanel.h"
#include "platform/FontMetricsTwips.h"
#include "platform/MessageBoxes.h"
#include "platform/qt/PictureControl.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

namespace brevmark {

namespace {

namespace texts = import_texts;

const QColor viewportColour(226, 232, 242);
constexpr double labelsLeft = 240;
constexpr double labelsWidth = 345;
constexpr double labelLeft = 285;
constexpr double labelWidth = 270;
constexpr double handleLeft = 308;
constexpr double guideThickness = 30;
const QSizeF pastePopupSize(1140, 390);

QRect pixels(const QRectF& twips) {
    return screen::rect(twips);
}

QFont labelFont() {
    QFont f = toQFont(gridFont());
    f.setPixelSize(11);
    return f;
}

} // namespace

ImportGridView::ImportGridView(BulkImport& model, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), model_(model), messages_(messages), headerSurface_({15, 15}, viewportColour),
      gridSurface_({15, 15}, viewportColour) {
    setObjectName(QStringLiteral("新增載入窗"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, viewportColour);
    setPalette(palette);
    headerPicture_ = ImportPictures::header(QSize(2, screen::pixels(ImportColumns::headerHeight)));
    buildGridArea();
    buildHeader();

    pastePopup_ = new PictureControl(QStringLiteral("貼上"), this);
    pastePopup_->resize(screen::pixels(pastePopupSize.width()),
                        screen::pixels(pastePopupSize.height()));
    pastePopup_->setPicture(ImportPictures::pastePopup(pastePopup_->size(), false));
    pastePopup_->setCursor(Qt::PointingHandCursor);
    pastePopup_->hide();
    connect(pastePopup_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        pastePopup_->setPicture(ImportPictures::pastePopup(pastePopup_->size(), true));
        emit hinted(texts::pasteHover);
    });
    connect(pastePopup_, &PictureControl::left, this, [this] {
        pastePopup_->setPicture(ImportPictures::pastePopup(pastePopup_->size(), false));
    });
    connect(pastePopup_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton button, bool inside) {
                if (button == Qt::LeftButton && inside)
                    paste();
            });

    functions_ = new TableFunctionPanel(this);
    connect(functions_, &TableFunctionPanel::hinted, this, &ImportGridView::hinted);
    connect(functions_, &TableFunctionPanel::chosen, this, &ImportGridView::performFunction);
    headerStrip_->raise();
}

ImportGridView::~ImportGridView() = default;

// ------------------------------------------------------------------------------------- build

void ImportGridView::buildHeader() {
    headerStrip_ = new PictureControl(QStringLiteral("標題窗"), this);
    connect(headerStrip_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        emit hinted(QString());
        hidePopups();
    });
    for (int c = 0; c < CellTable::columns; ++c) {
        auto* header = new PictureControl(QStringLiteral("標題框"), headerStrip_, c);
        header->installEventFilter(this);
        connect(header, &PictureControl::pressed, this, [this, c](QPointF, Qt::MouseButton b) {
            pressedWidth_ = model_.grid().columns().width(c);
            sizingHeader_ = b == Qt::LeftButton &&
                                    headers_[std::size_t(c)]->cursor().shape() == Qt::SizeHorCursor
                                ? c
                                : -1;
        });
        connect(header, &PictureControl::moved, this,
                [this, c](QPointF at, Qt::MouseButtons buttons) { headerMoved(c, at, buttons); });
        connect(header, &PictureControl::released, this,
                [this, c](QPointF, Qt::MouseButton button, bool) { headerReleased(c, button); });
        headers_[std::size_t(c)] = header;
    }
    clearAll_ = new PictureControl(QStringLiteral("全選圖"), headerStrip_);
    clearAll_->setGeometry(pixels({labelsLeft, 0, labelsWidth, ImportColumns::headerHeight}));
    clearAll_->setPicture(ImportPictures::clearAll(clearAll_->size(), false));
    clearAll_->setCursor(Qt::PointingHandCursor);
    connect(clearAll_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        clearAll_->setPicture(ImportPictures::clearAll(clearAll_->size(), true));
        emit hinted(texts::clearAllHover);
    });
    connect(clearAll_, &PictureControl::left, this,
            [this] { clearAll_->setPicture(ImportPictures::clearAll(clearAll_->size(), false)); });
    connect(clearAll_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton button, bool inside) {
                if (button != Qt::LeftButton || !inside)
                    return;
                hideEditor();
                model_.clearAll();
                drawGrid();
            });
}

void ImportGridView::buildGridArea() {
    gridArea_ = new PictureControl(QStringLiteral("新增載入區"), this);
    connect(gridArea_, &PictureControl::moved, this,
            [this](QPointF at, Qt::MouseButtons) { gridMoved(at); });
    connect(gridArea_, &PictureControl::pressed, this, [this](QPointF, Qt::MouseButton) {
        if (isEditorOpen()) {
            hideEditor();
            drawGrid();
        }
        functions_->hide();
    });
    connect(gridArea_, &PictureControl::released, this,
            [this](QPointF at, Qt::MouseButton button, bool) { gridReleased(at, button); });

    handle_ = new PictureControl(QStringLiteral("指標"), gridArea_);
    handle_->resize(screen::pixels(RowRange::handleWidth), screen::pixels(RowRange::handleHeight));
    handle_->setPicture(ImportPictures::handle(handle_->size(), false));
    handle_->setToolTip(texts::handleTooltip);
    handle_->setCursor(Qt::SizeVerCursor);
    connect(handle_, &PictureControl::pressed, this, [this](QPointF at, Qt::MouseButton button) {
        if (button != Qt::LeftButton)
            return;
        hideEditor();
        functions_->hide();
        model_.grid().range().press(at.y());
        guide_->show();
        guide_->raise();
    });
    connect(handle_, &PictureControl::moved, this, [this](QPointF at, Qt::MouseButtons buttons) {
        if (buttons & Qt::LeftButton) {
            RowRange& range = model_.grid().range();
            if (range.drag(at.y())) {
                placeHandle();
                // The grid area reaches to the handle; the rows change on release.
                gridSurface_.resize(gridSize());
                grid_painter::drawGrid(gridSurface_, model_.grid());
                gridArea_->setPicture(gridSurface_.image());
                gridArea_->resize(gridSurface_.image().size());
            }
            emit hinted(texts::handleDragging);
        } else {
            handle_->setPicture(ImportPictures::handle(handle_->size(), true));
            emit hinted(texts::handleHover);
        }
    });
    connect(handle_, &PictureControl::left, this,
            [this] { handle_->setPicture(ImportPictures::handle(handle_->size(), false)); });
    connect(handle_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton button, bool) {
                if (button != Qt::LeftButton)
                    return;
                guide_->hide();
                model_.grid().range().apply();
                applyRange();
            });

    guide_ = new QWidget(gridArea_);
    guide_->setObjectName(QStringLiteral("列印底線"));
    guide_->setAttribute(Qt::WA_TransparentForMouseEvents);
    guide_->setStyleSheet(QStringLiteral("background: rgb(43, 208, 228);"));
    guide_->hide();

    frame_ = new CellFrame(gridArea_);
    frame_->hide();

    editor_ = new QLineEdit(gridArea_);
    editor_->setObjectName(QStringLiteral("修改文字"));
    editor_->setMaxLength(ImportGrid::editorLength);
    editor_->setFont(toQFont(gridFont()));
    editor_->setFrame(false);
    editor_->setStyleSheet(
        QStringLiteral("QLineEdit{border:none;padding:0 1px;background:#fffdf0;color:#1f2a44;"
                       "selection-background-color:#2f6fed;selection-color:white;}"));
    editor_->installEventFilter(this);
    editor_->hide();
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        ImportGrid& grid = model_.grid();
        grid.cells().setText(grid.currentRow(), grid.currentColumn(), text);
        editorChanged_ = true;
    });
}

// ----------------------------------------------------------------------------------- drawing

QSizeF ImportGridView::gridSize() const {
    return model_.grid().size();
}

void ImportGridView::placeHeaders() {
    const ImportColumns& columns = model_.grid().columns();
    for (int c = 0; c < CellTable::columns; ++c) {
        PictureControl* header = headers_[std::size_t(c)];
        header->setGeometry(
            pixels({columns.left(c), 0, columns.width(c), ImportColumns::headerHeight}));
        header->setVisible(c < columns.count());
    }
}

void ImportGridView::drawHeader() {
    const ImportGrid& grid = model_.grid();
    headerSurface_.resize({grid.columns().stripWidth(), ImportColumns::headerHeight});
    grid_painter::drawHeader(headerSurface_, grid, Picture::fromImage(headerPicture_));
    headerStrip_->setPicture(headerSurface_.image());
    headerStrip_->resize(headerSurface_.image().size());
    placeHeaders();
}

void ImportGridView::drawGrid() {
    functions_->hide();
    gridSurface_.resize(gridSize());
    grid_painter::drawGrid(gridSurface_, model_.grid());
    gridArea_->setPicture(gridSurface_.image());
    gridArea_->resize(gridSurface_.image().size());
    placeHandle();
    emit gridResized();
}

void ImportGridView::placeHandle() {
    const RowRange& range = model_.grid().range();
    handle_->move(screen::point({handleLeft, range.handleTop()}));
    handle_->raise();
    const double width = model_.grid().columns().stripWidth() - labelsLeft;
    guide_->setGeometry(pixels({labelsLeft, range.guideY(), width, guideThickness}));
}

void ImportGridView::applyRange() {
    const int rows = model_.grid().range().count();
    while (rowBackgrounds_.size() < rows)
        addRowLabel(int(rowBackgrounds_.size()));
    while (rowBackgrounds_.size() > rows) {
        for (QWidget* removed : {static_cast<QWidget*>(rowBackgrounds_.takeLast()),
                                 static_cast<QWidget*>(rowLabels_.takeLast())}) {
            removed->hide();
            removed->deleteLater();
        }
    }
    drawGrid();
}

void ImportGridView::addRowLabel(int row) {
    const double top = RowRange::rowTop(row);
    auto* background = new PictureControl(QStringLiteral("數字底"), gridArea_, row);
    background->setGeometry(pixels({labelsLeft, top, labelsWidth, RowRange::rowHeight}));
    if (rowLabelPicture_.size() != background->size())
        rowLabelPicture_ = ImportPictures::rowLabel(background->size());
    background->setPicture(rowLabelPicture_);
    auto* label = new QLabel(QString::number(row + 1), gridArea_);
    label->setObjectName(QStringLiteral("數字籤"));
    label->setProperty("index", row);
    label->setGeometry(pixels({labelLeft, top + 30, labelWidth, RowRange::rowHeight - 45}));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(labelFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, grid_painter::captionColour());
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(background, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        if (!isEditorOpen())
            frame_->hide();
        emit hinted(texts::rowLabelHover);
    });
    connect(background, &PictureControl::released, this,
            [this, row](QPointF, Qt::MouseButton button, bool inside) {
                if (button == Qt::RightButton && inside)
                    openFunctions(TableFunctions::Mode::Row, row);
            });
    background->show();
    label->show();
    label->raise();
    rowBackgrounds_ << background;
    rowLabels_ << label;
}

void ImportGridView::scrollTo(int vertical, int horizontal) {
    hidePopups();
    gridArea_->move(
        screen::point({ScrollBarCheck::gridLeft(horizontal), ScrollBarCheck::gridTop(vertical)}));
    headerStrip_->move(screen::pixels(ScrollBarCheck::gridLeft(horizontal)), 0);
}

// ----------------------------------------------------------------------- pop-ups and editor

void ImportGridView::hidePopups() {
    pastePopup_->hide();
    functions_->hide();
}

void ImportGridView::hideEditor() {
    editor_->hide();
    frame_->hide();
}

bool ImportGridView::isEditorOpen() const {
    return !editor_->isHidden();
}

void ImportGridView::showFrame(const QRectF& twips, const QString& tag) {
    frame_->setProperty("tag", tag);
    frame_->setGeometry(pixels(twips));
    frame_->show();
    frame_->raise();
    if (isEditorOpen())
        editor_->raise();
}

void ImportGridView::openEditor(int row, int column) {
    ImportGrid& grid = model_.grid();
    grid.setCurrent(row, column);
    editor_->setGeometry(pixels(grid.editorRect(row, column)));
    editor_->setText(grid.cells().text(row, column));
    editorChanged_ = false;
    showFrame(grid.cellFrame(row, column), QString());
    editor_->show();
    editor_->raise();
    editor_->setFocus();
    editor_->selectAll();
}

bool ImportGridView::editorKey(QKeyEvent* event) {
    using editor_moves::Arrow;
    ImportGrid& grid = model_.grid();
    std::optional<Arrow> arrow;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        grid.cells().setText(grid.currentRow(), grid.currentColumn(), editor_->text());
        editor_->clear();
        editor_->hide();
        drawGrid();
        return true;
    case Qt::Key_Delete:
        editor_->clear();
        grid.cells().setText(grid.currentRow(), grid.currentColumn(), QString());
        editorChanged_ = true;
        return true;
    case Qt::Key_Up:
        arrow = Arrow::Up;
        break;
    case Qt::Key_Down:
        arrow = Arrow::Down;
        break;
    case Qt::Key_Left:
        arrow = Arrow::Left;
        break;
    case Qt::Key_Right:
        arrow = Arrow::Right;
        break;
    default:
        return false;
    }
    functions_->hide();
    if (editorChanged_)
        drawGrid();
    const editor_moves::Caret caret{editor_->cursorPosition() == 0,
                                    editor_->cursorPosition() == editor_->text().size()};
    const std::optional<editor_moves::Cell> to =
        editor_moves::target(*arrow, {grid.currentRow(), grid.currentColumn()}, caret,
                             grid.range().last(), grid.columns().count());
    if (!to) // the caret moves inside the text (or nothing happens)
        return *arrow == Arrow::Up || *arrow == Arrow::Down;
    openEditor(to->row, to->column);
    return true;
}

// -------------------------------------------------------------------------- pointer on cells

void ImportGridView::gridMoved(QPointF at) {
    if (isEditorOpen())
        return;
    hidePopups();
    if (const std::optional<QRectF> frame = model_.grid().hover(at)) {
        showFrame(*frame, QString());
        emit hinted(texts::cellHover);
    } else {
        frame_->hide();
        emit hinted(QString());
    }
}

void ImportGridView::gridReleased(QPointF at, Qt::MouseButton button) {
    ImportGrid& grid = model_.grid();
    // Only a release over a cell of the range acts on it: the current cell is then that cell.
    if (isEditorOpen() || !grid.hover(at))
        return;
    if (button == Qt::LeftButton) {
        openEditor(grid.currentRow(), grid.currentColumn());
        emit hinted(texts::editorOpen);
    } else if (button == Qt::RightButton) {
        const QPointF corner = QPointF(gridArea_->pos()) * 15 + at - QPointF(60, 60);
        pastePopup_->move(screen::point(corner));
        pastePopup_->setPicture(ImportPictures::pastePopup(pastePopup_->size(), false));
        pastePopup_->show();
        pastePopup_->raise();
    }
}

void ImportGridView::paste() {
    const ImportResult result = model_.paste();
    if (result.changed)
        drawGrid();
    pastePopup_->hide();
    tell(result.messages);
}

void ImportGridView::tell(const QList<UserMessage>& messages) {
    for (const UserMessage& m : messages)
        brevmark::tell(messages_, m);
}

// ------------------------------------------------------------------ table function panel

void ImportGridView::openFunctions(TableFunctions::Mode mode, int k) {
    hideEditor();
    pastePopup_->hide();
    const ImportGrid& grid = model_.grid();
    const bool row = mode == TableFunctions::Mode::Row;
    showFrame(row ? grid.rowFrame(k) : grid.columnFrame(k), TableFunctions::frameTag(mode));
    // Below the row, beside its label; or below the column's header.
    const QPointF origin = QPointF(gridArea_->pos()) * 15;
    QPointF at =
        row ? origin + QPointF(ImportColumns::firstLeft, RowRange::rowTop(k + 1) + 30)
            : QPointF(origin.x() + grid.columns().left(k), ImportColumns::headerHeight + 30);
    QPoint corner = screen::point(at);
    corner.setX(qBound(0, corner.x(), qMax(0, width() - functions_->width())));
    corner.setY(qBound(screen::pixels(ImportColumns::headerHeight), corner.y(),
                       qMax(0, height() - functions_->height() - 16)));
    functions_->move(corner);
    functions_->open(mode, k, TableFunctions::offered(mode, k, grid));
}

void ImportGridView::performFunction(int item) {
    const TableFunctions::Mode mode = functions_->mode();
    if (!model_.performTableFunction(item, mode, functions_->target()))
        return;
    functions_->hide();
    frame_->hide();
    if (item == TableFunctions::RemoveRow)
        applyRange();
    else
        drawGrid();
}

// ----------------------------------------------------------------------------------- headers

void ImportGridView::headerMoved(int c, QPointF at, Qt::MouseButtons buttons) {
    PictureControl* header = headers_[std::size_t(c)];
    ImportColumns& columns = model_.grid().columns();
    if ((buttons & Qt::LeftButton) && sizingHeader_ == c) {
        if (columns.dragTo(c, at.x()))
            drawHeader();
        return;
    }
    if (buttons != Qt::NoButton)
        return;
    emit hinted(texts::headerHover);
    if (columns.onSizingBand(c, at.x())) {
        header->setCursor(Qt::SizeHorCursor);
        emit hinted(texts::headerSizing);
    } else {
        header->unsetCursor();
    }
}

void ImportGridView::headerReleased(int c, Qt::MouseButton button) {
    sizingHeader_ = -1;
    if (model_.grid().columns().width(c) != pressedWidth_)
        drawGrid();
    if (button == Qt::RightButton)
        openFunctions(TableFunctions::Mode::Column, c);
}

void ImportGridView::headerDoubleClicked(int c) {
    ImportGrid& grid = model_.grid();
    if (!grid.columns().fitTo(c, grid.columnTexts(c)))
        return;
    drawHeader();
    drawGrid();
}

// ---------------------------------------------------------------------------------- commands

void ImportGridView::importSpreadsheet() {
    hidePopups();
    hideEditor();
    const ImportResult result = model_.importSpreadsheet();
    if (result.changed)
        applyRange();
    tell(result.messages);
}

void ImportGridView::save() {
    hideEditor();
    functions_->hide();
    const ImportSave::Result result = model_.save();
    drawGrid();
    if (result.failing) {
        // The failing cell framed and in view while its message is read.
        emit rowWanted(result.failing->row);
        showFrame(model_.grid().cellFrame(result.failing->row, result.failing->column), QString());
    } else {
        frame_->hide();
    }
    tell(result.messages);
}

// ------------------------------------------------------------------------------------ events

void ImportGridView::mouseMoveEvent(QMouseEvent*) {
    emit hinted(QString());
    hidePopups();
    if (!isEditorOpen())
        frame_->hide();
}

void ImportGridView::mouseReleaseEvent(QMouseEvent*) {
    hideEditor();
    drawGrid();
}

bool ImportGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return editorKey(static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            QTimer::singleShot(0, editor_, &QLineEdit::selectAll);
            return false;
        case QEvent::MouseButtonRelease:
            if (editor_->text().isEmpty())
                hideEditor();
            return false;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int c = 0; c < CellTable::columns; ++c) {
            if (watched == headers_[std::size_t(c)]) {
                headerDoubleClicked(c);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brevmark
