#pragma once

#include "alignment/GuidePage.h"
#include "alignment/ui/AlignmentWindow.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace brevmark {

class AlignmentGuides;
class GuideHandleWidget;
class MainWindow;
class TemplateDatabase;
struct LabelTemplate;

// Joins the alignment guides to the main window: the guides draw on the page editor's page, the
// handle lives on the page, and the arrangement panel's button opens the alignment window as a
// child window (the main window hides until it closes). The template database is read when the
// window first opens, not at start-up, and kept for the run.
class AlignmentBridge : public QObject, private GuidePage {
    Q_OBJECT
public:
    explicit AlignmentBridge(MainWindow& window);
    ~AlignmentBridge() override;

    AlignmentGuides& guides() { return *guides_; }
    // Opens the alignment window afresh; choosing a format there paints its guide and closes it.
    void openWindow();
    AlignmentWindow* openWindowWidget() const { return window_.data(); }
    void hideHandle();
    // Fill the sheet: after asking about the page's items, chooses the sheet and puts one copy of
    // the barcode item in edit (or of the format memory) on each of its labels.
    void fillSheet(const LabelTemplate& sheet);
    // The template database, read at the first call.
    const TemplateDatabase& sheets();
    bool sheetsRead() const { return sheets_ != nullptr; }

private:
    void repaintPaper() override;
    DrawingSurface& overlay() override;
    void usePaper(PaperSize paper, bool landscape) override;

    MainWindow& main_;
    AlignmentGuides* guides_;
    GuideHandleWidget* handle_;
    QPointer<AlignmentWindow> window_;
    std::unique_ptr<TemplateDatabase> sheets_;
};

} // namespace brevmark
