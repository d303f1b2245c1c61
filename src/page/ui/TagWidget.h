#pragma once

#include "page/TagTable.h"

#include <QRectF>
#include <QWidget>

namespace brevmark {

// A text label or image on a barcode item's widget. The barcode item's index is in the dynamic
// property "item", the tag's number in "index". Pointer events are passed on in tag twips.
class TagWidget : public QWidget {
    Q_OBJECT
public:
    TagWidget(TagKind kind, int itemIndex, int number, QWidget* item);

    TagKind kind() const { return kind_; }
    int itemIndex() const { return itemIndex_; }
    int number() const { return number_; }
    // Item twips.
    void setRectTwips(const QRectF& rect);

signals:
    void pressed(TagKind kind, int item, int number, Qt::MouseButton button, QPointF twips);
    void moved(TagKind kind, int item, int number, Qt::MouseButtons buttons, QPointF twips);
    void released(TagKind kind, int item, int number, Qt::MouseButton button, QPointF twips);
    void doubleClicked(TagKind kind, int item, int number);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TagKind kind_;
    int itemIndex_;
    int number_;
};

} // namespace brevmark
