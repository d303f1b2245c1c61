#pragma once

#include <QLineF>
#include <QRectF>
#include <QWidget>

namespace brevmark {

// A mark over the page that takes no input: the selection frame around the item under the
// pointer, or the match line that shows a nearby edge of another item while dragging.
class GuideWidget : public QWidget {
    Q_OBJECT
public:
    enum class Kind { SelectionFrame, MatchLine };
    GuideWidget(Kind kind, QWidget* page);

    // Page twips.
    void setFrame(const QRectF& rectTwips);
    void setLine(const QLineF& lineTwips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

} // namespace brevmark
