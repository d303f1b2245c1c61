#pragma once

#include <QHash>
#include <QWidget>

namespace brevmark {

class AlignmentGuides;
class PictureControl;
class SheetFinder;
class TemplateDatabase;

// The alignment window `對齊視窗`: a borderless window of one background picture `底圖` with a
// highlight `格數` over the area of each of the six sheet formats (shown while the pointer is over
// that area; a click on it chooses the format) and the six guide pictures `對齊圖`, hidden. The
// background drags the window. Beside them the finder of the template database's stock sheets.
// Escape or the close control `關閉窗` leave it without a choice. It deletes itself when closed.
class AlignmentWindow : public QWidget {
    Q_OBJECT
public:
    // `lastSheet` is the database sheet chosen last, which the finder selects.
    AlignmentWindow(AlignmentGuides& guides, const TemplateDatabase& sheets,
                    const QString& lastSheet, QWidget* parent = nullptr);

    // Background size, twips: the six formats' area and the finder's beside it.
    static QSizeF sizeTwips();
    // The finder's area of the background, twips.
    static QRectF finderArea();
    SheetFinder* finder() const { return finder_; }
    // The highlight of a format (indexed by its number), or null.
    PictureControl* highlight(int format) const { return highlights_.value(format); }

signals:
    void formatChosen(int format);
    void sheetChosen(const QString& name);
    void sheetFillRequested(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void backgroundMoved(QPointF at, Qt::MouseButtons buttons);

    PictureControl* background_;
    QHash<int, PictureControl*> highlights_;
    PictureControl* close_;
    SheetFinder* finder_;
    bool dragging_ = false;
    QPointF pressPoint_; // twips of the background
};

} // namespace brevmark
