#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace brevmark {

// The colour palette `色彩選項`: a click on a colour cell gives that colour to the palette's
// current target; a click in the top-right corner closes it.
class ColourPalette : public QWidget {
    Q_OBJECT
public:
    using Target = std::function<void(const QColor&)>;

    explicit ColourPalette(QWidget* parent);
    // Shows the palette in front at a position (pixels of the parent) for a target.
    void open(QPoint topLeft, Target target);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Target target_;
};

} // namespace brevmark
