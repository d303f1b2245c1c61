#pragma once

#include "platform/DrawingSurface.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStaticText>

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

protected:
    void setPainter(QPainter* painter) { painter_ = painter; }

private:
    void usePen(const QColor& color, double widthTwips, Qt::PenStyle style);
    const QFont& fontFor(const TextFont& font, double* ascent);
    void drawEmboldened(QPointF baseline, const QString& text, const QFont& font,
                        const QColor& color);

    QPainter* painter_;
    double dpi_;
    QColor background_;
    // The last pen and font used: redraws set the same ones thousands of times.
    QColor penColor_;
    double penWidth_ = -1;
    Qt::PenStyle penStyle_ = Qt::NoPen;
    QPainter* penPainter_ = nullptr;
    TextFont lastFont_;
    QFont qfont_;
    double ascent_ = 0;
    bool fontValid_ = false;
    // The font asks for bold, its face has none, and the device does not thicken glyphs itself.
    bool emboldens_ = false;
    // On screen, the laid-out texts of the current font: redraws draw the same characters
    // thousands of times, and laying them out is most of a text's cost.
    bool laysOutOnce_ = false;
    QHash<QString, QStaticText> laidOut_;
};

} // namespace brevmark
