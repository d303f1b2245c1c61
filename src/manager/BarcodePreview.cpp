#include "manager/BarcodePreview.h"

#include "common/Rounding.h"
#include "platform/DrawingSurface.h"
#include "symbology/Code39Symbol.h"

namespace brevmark {

QString BarcodePreview::thicknessCaption(int thickness) {
    switch (thickness) {
    case 1:
        return QStringLiteral("極細");
    case 2:
        return QStringLiteral("細");
    case 3:
        return QStringLiteral("中");
    case 4:
        return QStringLiteral("粗");
    default:
        return QStringLiteral("最粗");
    }
}

double BarcodePreview::widthTwips(const QString& text, int widthRatio, int thickness) {
    const Code39Symbol symbol = Code39Symbol::assemble(text, widthRatio);
    return lineStep * symbol.cellLength() * symbol.cellCount() * thickness + 270;
}

double BarcodePreview::barBottom(double heightTwips, bool showText) {
    const double bottom = roundHalfEven(heightTwips - margin);
    return showText ? bottom - 200 : bottom;
}

void BarcodePreview::draw(DrawingSurface& surface, const QString& text, int widthRatio,
                          int thickness, bool showText, double heightTwips, const TextFont& font) {
    surface.clear();
    const Code39Symbol symbol = Code39Symbol::assemble(text, widthRatio);
    const double bottom = barBottom(heightTwips, showText);
    double x = margin;
    for (int cell = 0; cell < symbol.cellCount(); ++cell) {
        if (showText && cell >= 1 && cell <= text.size())
            surface.drawText(QPointF(x, bottom + 45), text.mid(cell - 1, 1), font, Qt::black);
        for (int module = 0; module < symbol.cellLength(); ++module)
            for (int line = 0; line < thickness; ++line) {
                if (symbol.isBar(cell, module))
                    surface.drawLine(QPointF(x, margin), QPointF(x, bottom), Qt::black);
                x += lineStep;
            }
    }
}

} // namespace brevmark
