#pragma once

#include "platform/qt/PictureControl.h"

namespace brevmark {

class AlignmentGuides;

// The guide handle `修改對齊位置` on the page: shows where the guide lies and passes the pointer on
// to the guides; it follows their handle's place and visibility.
class GuideHandleWidget : public PictureControl {
    Q_OBJECT
public:
    GuideHandleWidget(AlignmentGuides& guides, QWidget* page);

    static constexpr double sideTwips = 300;

private:
    void follow();

    AlignmentGuides& guides_;
};

} // namespace brevmark
