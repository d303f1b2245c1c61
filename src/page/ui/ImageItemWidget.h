#pragma once

#include "page/ImageItem.h"
#include "page/ui/TagWidget.h"
#include "platform/Picture.h"

namespace brevmark {

// An image `圖形籤` on its barcode item: its picture stretched to the image's size, or a
// placeholder while it has no picture.
class ImageItemWidget : public TagWidget {
    Q_OBJECT
public:
    ImageItemWidget(int itemIndex, int number, QWidget* item);
    void showImage(const ImageItem& image, const Picture& picture);
    bool showsPlaceholder() const { return picture_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
};

} // namespace brevmark
