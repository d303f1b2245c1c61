#pragma once

#include "platform/DrawingSurface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStaticText>

#include <optional>

class QPainter;

namespace brevmark {

// Draws through a QPainter on any device; twips are scaled to the device's dots per inch.
class PainterSurface : public DrawingSurface {
public:
    PainterSurface(QPainter* painter, double dotsPerInch, QColor background = Qt::white);

    void clear() override;
    void drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips = 0) override;
    void fillRect(const QRectF& rect, const QColor& color) override;
    void drawRect(const QRectF& rect, const QColor& color, LineStyle style) override;
    void drawText(QPointF topLeft, const QString& text, const TextFont& font,
                  const QColor& color) override;
    double textWidth(const QString& text, const TextFont& font) const override;
    double textHeight(const TextFont& font) const override;
    bool drawPicture(const Picture& picture, const QRectF& target) override;

    // Drawings after this show only inside the rectangle (twips), until resetClip().
    void setClipRect(const QRectF& rect);
    void resetClip();

    double dotsPerInch() const { return dpi_; }
    const QColor& background() const { return background_; }
    void setBackground(const QColor& color) { background_ = color; }
    QPointF toDevice(QPointF twipsPoint) const;
    QRectF toDevice(const QRectF& twipsRect) const;

    // Fills that are still held (see fillRect) go onto the device; call before the page changes
    // or the painter ends.
    void flush();

protected:
    void setPainter(QPainter* painter) {
        flush();
        painter_ = painter;
    }

private:
    void usePen(const QColor& color, double widthTwips, Qt::PenStyle style);
    bool clearOfHeldFills(QPointF baseline, const QString& text, const TextFont& font) const;
    const QFont& fontFor(const TextFont& font, double* ascent);
    void drawEmboldened(QPointF baseline, const QString& text, const QFont& font,
                        const QColor& color);

    QPainter* painter_;
    double dpi_;
    // On a vector document every fill is a graphics state and a path of its own; the bars of a
    // symbol come as consecutive fills of one colour, so they are held and filled as one path.
    // A text that cannot touch them is drawn at once and the fills stay held: the human-readable
    // characters between a symbol's cells then leave its bars one path.
    QList<QRectF> heldFills_;
    QRectF heldBounds_;
    QColor heldColor_;
    QColor background_;
    // The last pen and font used: redraws set the same ones thousands of times.
    QColor penColor_;
    double penWidth_ = -1;
    Qt::PenStyle penStyle_ = Qt::NoPen;
    QPainter* penPainter_ = nullptr;
    TextFont lastFont_;
    QFont qfont_;
    double ascent_ = 0;
    std::optional<QFontMetricsF> metrics_;
    bool fontValid_ = false;
    // The font asks for bold, its face has none, and the device does not thicken glyphs itself.
    bool emboldens_ = false;
    // On screen, the laid-out texts of the current font: redraws draw the same characters
    // thousands of times, and laying them out is most of a text's cost.
    bool laysOutOnce_ = false;
    QHash<QString, QStaticText> laidOut_;
};

} // namespace brevmark
