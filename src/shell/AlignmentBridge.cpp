#include "shell/AlignmentBridge.h"

#include "alignment/AlignmentGuides.h"
#include "alignment/SheetFill.h"
#include "alignment/SheetTexts.h"
#include "alignment/TemplateDatabase.h"
#include "alignment/ui/AlignmentWindow.h"
#include "alignment/ui/GuideHandleWidget.h"
#include "alignment/ui/SheetFinder.h"
#include "page/HistoryTexts.h"
#include "page/PageDocument.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "platform/MessageBoxes.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"
#include "shell/MainWindow.h"

#include <QLineEdit>

#include <QScreen>

namespace brevmark {

AlignmentBridge::AlignmentBridge(MainWindow& window)
    : QObject(&window), main_(window),
      guides_(new AlignmentGuides(
          window.settings(), *this, window.pageEditor().model().pointer,
          [&window](const QString& hint) { window.setHint(hint); }, this)),
      handle_(new GuideHandleWidget(*guides_, window.pageEditor().pageWidget())) {}

AlignmentBridge::~AlignmentBridge() = default;

const TemplateDatabase& AlignmentBridge::sheets() {
    if (!sheets_)
        sheets_ = std::make_unique<TemplateDatabase>(
            TemplateDatabase::load(TemplateDatabase::standardFolders()));
    return *sheets_;
}

void AlignmentBridge::openWindow() {
    if (window_)
        window_->close();
    // A window of its own, owned by the main window.
    auto* w = new AlignmentWindow(*guides_, sheets(),
                                  main_.settings().value(settings_keys::alignmentSheet), &main_);
    window_ = w;
    // Over the main window, where the user was looking, but whole on its screen.
    const QRect main = main_.frameGeometry();
    QPoint at = main.center() - QPoint(w->width() / 2, w->height() / 2);
    if (const QScreen* screen = main_.screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() + 1 - w->width())));
        at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() + 1 - w->height())));
    }
    w->move(at);
    connect(w, &AlignmentWindow::formatChosen, this, [this, w](int format) {
        guides_->choose(format);
        w->close();
    });
    connect(w, &AlignmentWindow::sheetChosen, this, [this, w](const QString& name) {
        if (const LabelTemplate* sheet = sheets().find(name))
            guides_->chooseSheet(*sheet);
        w->close();
    });
    connect(w, &AlignmentWindow::sheetFillRequested, this, [this, w](const QString& name) {
        // The question about the page's items comes over the main window, seen again.
        w->close();
        if (const LabelTemplate* sheet = sheets().find(name))
            fillSheet(*sheet);
    });
    main_.showChildWindow(w);
    w->activateWindow();
    w->finder()->searchBox()->setFocus();
}

void AlignmentBridge::fillSheet(const LabelTemplate& sheet) {
    PageEditor& editor = main_.pageEditor();
    const PageModel& model = editor.model();
    MessageBoxes& messages = main_.services().messages;
    const int edited = model.editedItem;
    const bool fromItem = ItemTable::isPageIndex(edited) && model.items().exists(edited);
    if (!fromItem && editor.formatMemory().count() == 0) {
        messages.inform(SheetTexts::fillTitle(), SheetTexts::nothingToFill());
        return;
    }
    if (const int items = model.items().count();
        items > 0 &&
        !messages.confirm(SheetTexts::fillTitle(), SheetTexts::replaceItemsQuestion(items)))
        return;
    if (fromItem)
        editor.captureFormat(edited);
    // The copies' size: the barcode records of the memory applied to a scratch item.
    BarcodeItem source = BarcodeItem::blank({0, 0}, false);
    for (const FormatRecord& record : editor.formatMemory().records())
        if (record.kind() == FormatRecord::barcodeKind())
            FormatMemory::applyBarcode(record, source);
    // Clearing the page, the sheet's paper and the copies are one step of the page history.
    QUndoStack& history = editor.document().history();
    history.beginMacro(HistoryTexts::fillSheet());
    editor.clearPage();
    QList<QRectF> boxes;
    int made = 0;
    if (guides_->chooseSheet(sheet)) {
        boxes = SheetFill::boxes(sheet, guides_->sheetShift(), QSizeF(source.width, source.height));
        made = editor.addCopiesInto(boxes);
    }
    history.endMacro();
    if (boxes.isEmpty())
        return;
    // The handle stays in front of the copies, which now cover the sheet's corner.
    handle_->raise();
    if (made < boxes.size())
        messages.inform(SheetTexts::fillTitle(), SheetTexts::pageFull(int(boxes.size()), made));
}

void AlignmentBridge::hideHandle() {
    guides_->hideHandle();
}

void AlignmentBridge::repaintPaper() {
    const LabelPage& page = main_.pageEditor().model().page();
    main_.pageEditor().pageWidget()->paintPaper(QSizeF(page.width, page.height));
}

DrawingSurface& AlignmentBridge::overlay() {
    return main_.pageEditor().overlay();
}

void AlignmentBridge::usePaper(PaperSize paper, bool landscape) {
    PageEditor& editor = main_.pageEditor();
    const LabelPage& page = editor.model().page();
    if (page.landscape() != landscape)
        editor.setOrientation(landscape ? 1 : 0);
    if (page.paperSize != paper)
        editor.selectPaperSize(paper);
}

} // namespace brevmark
