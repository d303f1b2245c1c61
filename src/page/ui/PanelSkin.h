#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace brevmark {

// The one look of the editor's panels: a light card with a soft header, the program's accent
// colour and fonts.
class PanelSkin {
public:
    static QColor accent() { return QColor(47, 111, 237); }
    static QColor ink() { return QColor(44, 52, 66); }
    static QFont font(int pointSize, bool bold = false);
    static constexpr int headerHeight = 26;

    // Paints a panel background of the widget's size with a title in its header strip.
    static void paintPanel(QPainter& p, const QRect& rect, const QString& title);
};

} // namespace brevmark
