#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace brevmark {

class PreviewPrinter;

// The print preview `列印預覽`: every page of a job as the print code drew it, on the page or
// label size the job will use, one page at a time. `上一頁` and `下一頁` (and Page Up, Page Down)
// turn the pages, `放大` and `縮小` (and + and −) zoom, `預覽列印` prints the job as shown, and
// `關閉預覽` (or Escape) closes the window. The page view is `預覽頁面`, the page count
// `預覽頁碼`.
class PrintPreviewWindow : public QWidget {
    Q_OBJECT
public:
    PrintPreviewWindow(std::unique_ptr<PreviewPrinter> pages, QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;

    int currentPage() const { return page_; }
    int pageCount() const;
    double zoom() const { return zoom_; }
    const PreviewPrinter& pages() const { return *pages_; }

    void showPage(int index);
    void setZoom(double zoom);

signals:
    void printRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class PageView;
    void refresh();

    std::unique_ptr<PreviewPrinter> pages_;
    PageView* view_;
    QLabel* pageLabel_;
    QPushButton* previous_;
    QPushButton* next_;
    int page_ = 0;
    double zoom_ = 1.0;
};

} // namespace brevmark
