#pragma once

#include <QWidget>

namespace brevmark {

class SkinButton;

// The context menu `功能選項` of a barcode item: five hover pictures `標籤功能` 0 to 4 stacked in
// the bands of ContextMenuBands. A hover picture shows by moving to left 0 and hides by moving to
// left = the menu's width. Entry 2 exists only in the professional layout, entry 3 only while the
// format record file exists.
class ItemMenu : public QWidget {
    Q_OBJECT
public:
    explicit ItemMenu(QWidget* parent);

    // Twips.
    static QSizeF sizeTwips() { return {2400, 2070}; }
    SkinButton* entry(int index) const { return entries_[index]; }
    int itemIndex() const { return itemIndex_; }
    // The band under the pointer (menu twips), for the entries available now; -1 for none.
    int bandAt(double yTwips) const;

    // Shows the menu in front at a position (pixels of the parent) for a barcode item.
    void open(int itemIndex, QPoint topLeft, bool professional, bool formatFileExists);
    // Shows the hover picture of the band at y (menu twips) and hides the others.
    void hoverAt(double yTwips);

signals:
    void chosen(int entry, int itemIndex);
    void hintRequested(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool available(int entry) const;

    SkinButton* entries_[5];
    int itemIndex_ = 0;
    bool professional_ = true;
    bool formatFileExists_ = false;
    int band_ = -1;
};

} // namespace brevmark
