#pragma once

#include <QWidget>

namespace brevmark {

// The cell frame `待輸入框`: a rectangle drawn around the current cell, or around the row or
// column the table function panel works on. Its "tag" property says which ("寬" a row, "高" a
// column, empty for a cell). It takes no mouse input.
class CellFrame : public QWidget {
    Q_OBJECT
public:
    explicit CellFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace brevmark
