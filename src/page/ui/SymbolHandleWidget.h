#pragma once

#include <QSizeF>
#include <QWidget>

namespace brevmark {

// The symbol handle `移動指標` of a barcode item: a small tag at the symbol's origin that shows
// the bar height and drags the symbol inside the item.
class SymbolHandleWidget : public QWidget {
    Q_OBJECT
public:
    static QSizeF sizeTwips() { return {450, 225}; }

    SymbolHandleWidget(int itemIndex, QWidget* item);
    void setCaption(const QString& barHeight);
    // Item twips.
    void moveToTwips(QPointF topLeft);

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
