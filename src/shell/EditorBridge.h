#pragma once

#include "page/ui/EditorHost.h"
#include "shell/LayoutParticipant.h"

#include <QObject>

namespace brevmark {

class FormatPanels;
class MainWindow;
class PageEditor;

// Joins the page editor to the main window: the editor asks the window for hints, panels and
// settings through EditorHost; the window's layouts move the page, item 0 and the panels through
// LayoutParticipant.
class EditorBridge : public QObject, public EditorHost, public LayoutParticipant {
    Q_OBJECT
public:
    explicit EditorBridge(MainWindow& window);
    ~EditorBridge() override;

    PageEditor& editor() { return *editor_; }
    // The barcode format panels and the layout panel.
    FormatPanels& formats() { return *formats_; }
    // The close button keeps the page's items in the user's state folder; start-up puts them
    // back. A page that cannot be read back is left empty, without a message.
    void keepPage();
    void restorePage();

    // EditorHost
    void setHint(const QString& text) override;
    void closePanels() override;
    void stackPanels() override;
    void closePanelButton(int index) override;
    MessageBoxes& messages() override;
    bool isLabelPrinter() const override;
    Fixed4 printResolution() const override;
    bool recordFileExists() const override;
    bool formatRecordFileExists() const override;
    void beep() override;
    void storeSetting(const QString& key, const QString& value) override;
    void hideAlignmentHandle() override;
    void openAlignmentWindow() override;
    void openRecordLoadPanel(QPointF topLeft) override;
    void openFormatRecordPanel(QPointF topLeft) override;
    void openSaveFormatPanel() override;
    void addFromFormatRecord(QPointF panelTopLeft) override;

    // LayoutParticipant
    void enterSimpleLayout(double viewportTop) override;
    void enterProfessionalLayout() override;
    void setLayoutTag(const QString& tag) override;
    void paperAdjust() override;
    void hidePage() override;
    double pageTop() const override;
    double pageHeight() const override;

private:
    MainWindow& window_;
    PageEditor* editor_;
    FormatPanels* formats_;
};

} // namespace brevmark
