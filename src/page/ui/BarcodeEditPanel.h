#pragma once

#include "page/BarcodeItem.h"
#include "page/ui/BarcodeEntryBox.h"

#include <QColor>
#include <QWidget>

class QComboBox;

namespace brevmark {

class SkinButton;

// The barcode edit panel `條碼輸入區`: the barcode text box `條碼輸入` with the serial step
// buttons `流水加減` 0 (+1) and 1 (−1), the check boxes `識別字符`, `字集中`, `外框勾選` and
// `符號粗`, the text size list `識符字大小`, the width ratio options `格式設定` 0 to 3, the colour
// swatch `選底色`, the adjust buttons `調整位置` 0 to 7 and the close button `關閉窗` 1. Control
// arrays share one object name; each control's position in its array is its "index" property.
// The panel only shows values; the page editor acts on the controls' signals.
class BarcodeEditPanel : public QWidget {
    Q_OBJECT
public:
    explicit BarcodeEditPanel(QWidget* parent);

    // Copies an item's editable fields into the controls. The text box keeps what was typed
    // (lower case included) while it is the item's text.
    void showItem(int index, const BarcodeItem& item);
    // Puts a text into the barcode text box whole, however long (typing stops at 20).
    void setEntryText(const QString& text);
    int editedItem() const { return editedItem_; }
    void setSwatchColour(const QColor& colour);
    QColor swatchColour() const { return swatch_; }

    BarcodeEntryBox* entry() const { return entry_; }
    SkinButton* serialButton(int index) const { return serial_[index]; }
    SkinButton* showTextBox() const { return showText_; }
    SkinButton* alignmentBox() const { return alignment_; }
    SkinButton* borderBox() const { return border_; }
    SkinButton* boldBox() const { return bold_; }
    QComboBox* sizeList() const { return sizeList_; }
    SkinButton* widthRatioOption(int index) const { return ratio_[index]; }
    SkinButton* swatchButton() const { return swatchButton_; }
    SkinButton* adjustButton(int index) const { return adjust_[index]; }
    SkinButton* closeButton() const { return close_; }

    // The controls in the order Tab visits them, which is the order they are read in.
    QList<QWidget*> tabOrder() const;

signals:
    void entryDoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Tab stays inside the panel.
    bool focusNextPrevChild(bool next) override;

private:
    int editedItem_ = 0;
    QColor swatch_ = Qt::white;
    BarcodeEntryBox* entry_;
    SkinButton* serial_[2];
    SkinButton* showText_;
    SkinButton* alignment_;
    SkinButton* border_;
    SkinButton* bold_;
    QComboBox* sizeList_;
    SkinButton* ratio_[4];
    SkinButton* swatchButton_;
    SkinButton* adjust_[8];
    SkinButton* close_;
};

} // namespace brevmark
