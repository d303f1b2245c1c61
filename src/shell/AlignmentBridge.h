#pragma once

#include "alignment/GuidePage.h"
#include "alignment/ui/AlignmentWindow.h"

#include <QObject>
#include <QPointer>

namespace brevmark {

class AlignmentGuides;
class GuideHandleWidget;
class MainWindow;

// Joins the alignment guides to the main window: the guides draw on the page editor's page, the
// handle lives on the page, and the arrangement panel's button opens the alignment window as a
// child window (the main window hides until it closes).
class AlignmentBridge : public QObject, private GuidePage {
    Q_OBJECT
public:
    explicit AlignmentBridge(MainWindow& window);

    AlignmentGuides& guides() { return *guides_; }
    // Opens the alignment window afresh; choosing a format there paints its guide and closes it.
    void openWindow();
    AlignmentWindow* openWindowWidget() const { return window_.data(); }
    void hideHandle();

private:
    void repaintPaper() override;
    DrawingSurface& overlay() override;

    MainWindow& main_;
    AlignmentGuides* guides_;
    GuideHandleWidget* handle_;
    QPointer<AlignmentWindow> window_;
};

} // namespace brevmark
