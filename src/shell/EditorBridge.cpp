#include "shell/EditorBridge.h"

#include "common/ScreenPixels.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "platform/FileSystem.h"
#include "platform/SystemServices.h"
#include "shell/AlignmentBridge.h"
#include "records/BarcodeRecordFile.h"
#include "shell/MainWindow.h"
#include "shell/RecordsBridge.h"

namespace brevmark {

namespace {} // namespace

EditorBridge::EditorBridge(MainWindow& window)
    : QObject(&window), window_(window),
      editor_(new PageEditor(window.viewport(), &window, *this, this)) {
    window.setLayoutParticipant(this);
}

EditorBridge::~EditorBridge() {
    window_.setLayoutParticipant(nullptr);
}

void EditorBridge::setHint(const QString& text) {
    window_.setHint(text);
}
void EditorBridge::closePanels() {
    window_.closePanels();
}
void EditorBridge::stackPanels() {
    window_.stackPanels();
}
void EditorBridge::closePanelButton(int index) {
    window_.closePanelButton(index);
}
MessageBoxes& EditorBridge::messages() {
    return window_.services().messages;
}
bool EditorBridge::isLabelPrinter() const {
    return window_.values().printing.isLabelPrinter();
}
Fixed4 EditorBridge::printResolution() const {
    return window_.values().printing.resolution;
}

bool EditorBridge::recordFileExists() const {
    return window_.services().files.fileExists(
        window_.services().location.recordsFile(BarcodeRecordFile::fileName()));
}

bool EditorBridge::formatRecordFileExists() const {
    return window_.services().files.fileExists(
        window_.services().location.recordsFile(QStringLiteral("排版記錄.zip")));
}

void EditorBridge::beep() {
    window_.services().system.beep();
}

void EditorBridge::storeSetting(const QString& key, const QString& value) {
    window_.settings().set(key, value);
}

void EditorBridge::hideAlignmentHandle() {
    if (AlignmentBridge* alignment = window_.alignment())
        alignment->hideHandle();
}

void EditorBridge::openAlignmentWindow() {
    if (AlignmentBridge* alignment = window_.alignment())
        alignment->openWindow();
}

void EditorBridge::openRecordLoadPanel(QPointF topLeft) {
    window_.records().openLoadPanel(topLeft);
}

void EditorBridge::enterSimpleLayout(double viewportTop) {
    PageEditor& e = *editor_;
    e.openItem(ItemTable::simpleItem);
    e.showSimpleItemAtOrigin();
    const BarcodeItem& item0 = e.model().items.at(ItemTable::simpleItem);
    e.pageWidget()->setBorder(false);
    e.setPageRect(QRectF(120, 120, item0.width, item0.height));
    e.pageWidget()->show();
    e.pageWidget()->raise();
    QWidget* panel = e.editPanel();
    panel->move(screen::pixels(255), screen::pixels(viewportTop + item0.height + 240));
    panel->show();
    panel->raise();
    if (QWidget* quantity = window_.panel(FloatingPanel::PrintQuantity)) {
        quantity->move(screen::pixels(255), panel->y() + panel->height() + screen::pixels(120));
        quantity->show();
        quantity->raise();
    }
}

void EditorBridge::enterProfessionalLayout() {
    if (BarcodeItemWidget* w = editor_->itemWidget(ItemTable::simpleItem))
        w->hide();
    editor_->pageWidget()->setBorder(true);
}

void EditorBridge::setLayoutTag(const QString& tag) {
    editor_->setLayoutTag(tag);
}
void EditorBridge::paperAdjust() {
    editor_->paperAdjust();
}
void EditorBridge::hidePage() {
    editor_->pageWidget()->hide();
}
double EditorBridge::pageTop() const {
    return editor_->model().page.top;
}
double EditorBridge::pageHeight() const {
    return editor_->model().page.height;
}

} // namespace brevmark
