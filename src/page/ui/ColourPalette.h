#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace brevmark {

// The colour palette `色彩選項`: a click on a colour cell gives that colour to the palette's
// current target; a click in the top-right corner, or anywhere outside the palette, closes it.
// It always lies inside its parent, the main window.
class ColourPalette : public QWidget {
    Q_OBJECT
public:
    using Target = std::function<void(const QColor&)>;

    static QString backColourTitle() { return QStringLiteral("選擇底色"); }
    static QString textColourTitle() { return QStringLiteral("選擇文字顏色"); }

    explicit ColourPalette(QWidget* parent);
    // Shows the palette in front, titled for its target, below the control that opens it (a
    // rectangle in pixels of the parent), or above it when there is no room below.
    void open(const QRect& opener, const QString& title, Target target);
    QString title() const { return title_; }
    // Where the palette goes for an opener inside a parent of the given size (pixels).
    static QPoint placeFor(const QRect& opener, QSize palette, QSize parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Target target_;
    QString title_ = backColourTitle();
};

} // namespace brevmark
