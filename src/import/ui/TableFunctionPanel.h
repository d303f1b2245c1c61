#pragma once

#include "import/TableFunctions.h"

#include <QWidget>
#include <array>

class QLabel;

namespace brevmark {

class PictureControl;

// The table function panel `表格功能窗`: the bar `表格功能圖` with the items `表功能圖` 0 to 6.
// The bar answers the pointer by the x bands of TableFunctions; the hovered item's picture is
// brought over the bar, the others wait beyond its right edge, and items not offered never
// appear. Its "tag" property holds the row or column it was opened for.
class TableFunctionPanel : public QWidget {
    Q_OBJECT
public:
    explicit TableFunctionPanel(QWidget* parent);

    void open(TableFunctions::Mode mode, int k, const TableFunctions::Offered& offered);
    TableFunctions::Mode mode() const { return mode_; }
    int target() const { return target_; }
    const TableFunctions::Offered& offered() const { return offered_; }
    // The item whose picture stands over the bar, or -1.
    int litItem() const { return lit_; }

signals:
    void hinted(const QString& hint);
    // A left-button release on an offered item.
    void chosen(int item);

private:
    void light(int item);

    PictureControl* bar_ = nullptr;
    std::array<QLabel*, TableFunctions::itemCount> items_{};
    TableFunctions::Mode mode_ = TableFunctions::Mode::Row;
    TableFunctions::Offered offered_{};
    int target_ = -1;
    int lit_ = -1;
};

} // namespace brevmark
