#pragma once

#include <QImage>
#include <QSize>

namespace brevmark {

// The pictures of the simple layout's print button `確定列印`, drawn by the program: a rounded
// blue key with a printer symbol and its caption.
class PrintButtonPictures {
public:
    enum class Face { Raised, Highlighted, Pressed };
    // 80 × 32 pixels, 1200 × 480 twips.
    static QSize defaultSize() { return {80, 32}; }
    static QImage face(Face face, QSize pixels = defaultSize(), qreal devicePixelRatio = 1.0);
    // The printer symbol alone, for other pictures that show printing.
    static void drawPrinterSymbol(class QPainter& painter, const QRectF& box, const QColor& ink);
};

} // namespace brevmark
