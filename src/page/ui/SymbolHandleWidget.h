#pragma once

#include <QSizeF>
#include <QWidget>

namespace brevmark {

// The symbol handle `移動指標` of a barcode item: a small tab at the symbol's origin that shows
// the bar height and drags the symbol inside the item. The tab keeps off the bars: it sits on
// their top edge, or left of them when there is no room above, and over them only when the
// symbol has no room on either side.
class SymbolHandleWidget : public QWidget {
    Q_OBJECT
public:
    static QSizeF sizeTwips() { return {390, 120}; }
    // Where the tab's top-left corner goes for a symbol origin (item twips).
    static QPointF placeFor(QPointF symbolOrigin);

    SymbolHandleWidget(int itemIndex, QWidget* item);
    void setCaption(const QString& barHeight);
    // Places the tab for a symbol origin (item twips).
    void moveToTwips(QPointF symbolOrigin);

signals:
    void pressed(int itemIndex, Qt::MouseButton button, QPointF twips);
    void moved(int itemIndex, Qt::MouseButtons buttons, QPointF twips);
    void released(int itemIndex, Qt::MouseButton button, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int itemIndex_;
    QString caption_;
};

} // namespace brevmark
