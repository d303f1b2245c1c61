#pragma once

#include "page/ui/TagWidget.h"
#include "page/TextLabelItem.h"

namespace brevmark {

// A text label `文字籤` on its barcode item: the caption in its font and colour over the item's
// background.
class TextLabelWidget : public TagWidget {
    Q_OBJECT
public:
    TextLabelWidget(int itemIndex, int number, QWidget* item);
    void showLabel(const TextLabelItem& label);
    const TextLabelItem& label() const { return label_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TextLabelItem label_;
};

} // namespace brevmark
