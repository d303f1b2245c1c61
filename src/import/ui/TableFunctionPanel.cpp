#include "import/ui/TableFunctionPanel.h"

#include "common/ScreenPixels.h"
#include "import/ui/ImportPictures.h"
#include "platform/qt/PictureControl.h"

#include <QLabel>

namespace brevmark {

namespace {
constexpr double barHeight = 420;
double barWidth() {
    return TableFunctions::bandRight(TableFunctions::ColumnRight) + 45;
}
} // namespace

TableFunctionPanel::TableFunctionPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("表格功能窗"));
    resize(screen::pixels(barWidth()), screen::pixels(barHeight));
    bar_ = new PictureControl(QStringLiteral("表格功能圖"), this);
    bar_->setGeometry(rect());
    bar_->setCursor(Qt::PointingHandCursor);
    for (int i = 0; i < TableFunctions::itemCount; ++i) {
        auto* item = new QLabel(this);
        item->setObjectName(QStringLiteral("表功能圖"));
        item->setProperty("index", i);
        item->setAttribute(Qt::WA_TransparentForMouseEvents);
        const QSize size(screen::pixels(TableFunctions::bandRight(i)) -
                             screen::pixels(TableFunctions::bandLeft(i)),
                         height());
        item->resize(size);
        item->setPixmap(QPixmap::fromImage(ImportPictures::functionItem(i, size)));
        items_[std::size_t(i)] = item;
    }
    connect(bar_, &PictureControl::moved, this, [this](QPointF at, Qt::MouseButtons) {
        const int item = TableFunctions::itemAt(at.x());
        const bool offered = item >= 0 && offered_[std::size_t(item)];
        light(offered ? item : -1);
        if (offered)
            emit hinted(TableFunctions::hint(item, mode_));
    });
    connect(bar_, &PictureControl::left, this, [this] { light(-1); });
    connect(bar_, &PictureControl::released, this,
            [this](QPointF at, Qt::MouseButton button, bool inside) {
                const int item = TableFunctions::itemAt(at.x());
                if (button == Qt::LeftButton && inside && item >= 0 && offered_[std::size_t(item)])
                    emit chosen(item);
            });
    hide();
}

void TableFunctionPanel::open(TableFunctions::Mode mode, int k,
                              const TableFunctions::Offered& offered) {
    mode_ = mode;
    target_ = k;
    offered_ = offered;
    setProperty("tag", k);
    bar_->setPicture(ImportPictures::functionBar(size(), mode, offered));
    for (int i = 0; i < TableFunctions::itemCount; ++i)
        items_[std::size_t(i)]->setVisible(offered[std::size_t(i)]);
    light(-1);
    show();
    raise();
}

void TableFunctionPanel::light(int item) {
    lit_ = item;
    for (int i = 0; i < TableFunctions::itemCount; ++i) {
        QLabel* label = items_[std::size_t(i)];
        // Parked beyond the bar's right edge unless it is the one under the pointer.
        label->move(i == item ? screen::pixels(TableFunctions::bandLeft(i)) : width(), 0);
        if (i == item)
            label->raise();
    }
}

} // namespace brevmark
