#pragma once

#include "page/TextLabelItem.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace brevmark {

class SkinButton;

// The text label panel `標籤修改區`: the caption box `標籤輸入`, the font list `字型`, the size
// list `文字大小`, the check boxes `粗體`, `斜體`, `底線` with their picture buttons `粗體圖`,
// `斜體圖`, `底線圖`, the colour buttons `顏色圖` and `選色`, the replace-all box `全部修改`
// with its confirm button `確定修改`, and the close button `關閉窗` 2. The panel shows values;
// the tag editor acts on the controls' signals.
class TextLabelPanel : public QWidget {
    Q_OBJECT
public:
    explicit TextLabelPanel(QWidget* parent);

    static const QList<int>& sizes();
    // Screen fonts whose names do not begin with "@".
    void setFonts(const QStringList& screenFonts);
    // Copies a label into the controls without reporting them as edits.
    void showLabel(const TextLabelItem& label);
    // The label it shows changed: the controls are filled again only when something they show
    // changed (a drag moves the label at every pointer move and changes none of them).
    void followLabel(const TextLabelItem& label);
    bool isFilling() const { return filling_; }
    // The simple layout's panel is narrower than the professional one's.
    void setSimpleLook(bool simple);

    QLineEdit* captionBox() const { return caption_; }
    QComboBox* fontList() const { return fonts_; }
    QComboBox* sizeList() const { return sizes_; }
    SkinButton* styleBox(int style) const { return styleBoxes_[style]; }
    SkinButton* styleButton(int style) const { return styleButtons_[style]; }
    SkinButton* colourButton() const { return colourButton_; }
    SkinButton* swatchButton() const { return swatch_; }
    QLineEdit* replaceBox() const { return replace_; }
    SkinButton* replaceButton() const { return replaceButton_; }
    SkinButton* closeButton() const { return close_; }
    QColor swatchColour() const { return swatchColour_; }
    void setSwatchColour(const QColor& colour);
    // The controls in the order Tab visits them, which is the order they are read in.
    QList<QWidget*> tabOrder() const;

signals:
    // Enter in the panel: its edits are done.
    void confirmed();
    // Enter in the replace-all box while it holds a text.
    void replaceConfirmed();
    // Enter in the size list after typing a size.
    void sizeEntered();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab stays inside the panel.
    bool focusNextPrevChild(bool next) override;

private:
    void layoutControls();

    bool filling_ = false;
    TextLabelItem shown_; // the label as the controls were last filled from it
    bool simple_ = false;
    QColor swatchColour_ = Qt::black;
    QLineEdit* caption_;
    QComboBox* fonts_;
    QComboBox* sizes_;
    SkinButton* styleBoxes_[3];
    SkinButton* styleButtons_[3];
    SkinButton* colourButton_;
    SkinButton* swatch_;
    QLineEdit* replace_;
    SkinButton* replaceButton_;
    SkinButton* close_;
};

} // namespace brevmark
