#pragma once

#include "platform/ImageSurface.h"

#include <QRectF>
#include <QWidget>

namespace brevmark {

class SkinButton;
class SymbolHandleWidget;

// A barcode item on the page (`條碼項目`, its index in the dynamic property "index"): the item's
// retained surface, on which its symbol is drawn, with its border (or a light outline on screen
// when it has none), its symbol handle, its delete button `刪除碼` and its delete-tag button
// `刪除籤`; its text labels and images are child widgets too. Pointer events are passed on in
// item twips.
class BarcodeItemWidget : public QWidget {
    Q_OBJECT
public:
    BarcodeItemWidget(int index, QWidget* page);

    // The screen-only outline of an item without a border.
    static QColor outlineColour() { return QColor(150, 170, 205); }

    int index() const { return index_; }
    DrawingSurface& surface() { return surface_; }
    const QImage& image() { return surface_.image(); }
    // Page twips; the surface follows the size.
    void setRectTwips(const QRectF& rect);
    void setBackColour(const QColor& colour);
    void setBorder(bool border);
    SymbolHandleWidget* symbolHandle() const { return handle_; }
    SkinButton* deleteButton() const { return delete_; }
    // The delete-tag button `刪除籤`, shown next to the text label or image under the pointer.
    SkinButton* deleteTagButton() const { return deleteTag_; }
    void placeDeleteButton(double itemWidth);

signals:
    void pressed(int index, Qt::MouseButton button, QPointF twips);
    void moved(int index, Qt::MouseButtons buttons, QPointF twips);
    void released(int index, Qt::MouseButton button, QPointF twips);
    void doubleClicked(int index, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int index_;
    ImageSurface surface_;
    bool border_ = false;
    SymbolHandleWidget* handle_;
    SkinButton* delete_;
    SkinButton* deleteTag_;
};

} // namespace brevmark
