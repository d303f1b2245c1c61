#pragma once

#include <QWidget>

namespace brevmark {

class SkinButton;

// The entries of an item's context menu, top to bottom (`標籤功能` 0 to 4).
enum class ItemMenuEntry {
    AddLabel,   // a text label at the menu's corner
    AddImage,   // an image at the menu's corner
    CopyFormat, // the item into the format memory (professional layout only)
    ReadFormat, // the format record panel, to apply a stored format (while the file exists)
    SaveFormat, // the save-format panel
};

// The context menu `功能選項` of a barcode item: five hover pictures `標籤功能` 0 to 4. Entry 2
// exists only in the professional layout, entry 3 only while the format record file exists; the
// entries shown fill the bands of ContextMenuBands from the top, one band each, so that a hidden
// entry leaves no empty row, and the menu is as tall as its rows. A hover picture shows by moving
// to left 0 and hides by moving to left = the menu's width.
class ItemMenu : public QWidget {
    Q_OBJECT
public:
    explicit ItemMenu(QWidget* parent);

    // The entries shown, top to bottom.
    static QList<int> shownEntries(bool professional, bool formatFileExists);
    // The menu's size in twips with that many entries.
    static QSizeF sizeTwips(int entryCount);
    static QSizeF sizeTwips(bool professional, bool formatFileExists) {
        return sizeTwips(int(shownEntries(professional, formatFileExists).size()));
    }
    SkinButton* entry(int index) const { return entries_[index]; }
    int itemIndex() const { return itemIndex_; }
    // The entry whose row holds the pointer (menu twips); -1 for none.
    int bandAt(double yTwips) const;

    // Shows the menu in front at a position (pixels of the parent) for a barcode item.
    void open(int itemIndex, QPoint topLeft, bool professional, bool formatFileExists);
    // Shows the hover picture of the band at y (menu twips) and hides the others.
    void hoverAt(double yTwips);

signals:
    void chosen(brevmark::ItemMenuEntry entry, int itemIndex);
    void hintRequested(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SkinButton* entries_[5];
    QList<int> shown_;
    int itemIndex_ = 0;
    int band_ = -1;
};

} // namespace brevmark
