#pragma once

#include "page/PaperTable.h"

#include <QWidget>

namespace brevmark {

// The paper size picture `紙張圖` of the paper panel: the three sheets drawn to scale, and a
// chip per paper size; a mouse-down inside a chip's zone chooses that size.
class PaperPicture : public QWidget {
    Q_OBJECT
public:
    explicit PaperPicture(QWidget* panel);
    void showState(PaperSize current, bool landscape);

signals:
    void paperChosen(PaperSize paper);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PaperSize current_ = PaperSize::A4;
    bool landscape_ = false;
};

} // namespace brevmark
