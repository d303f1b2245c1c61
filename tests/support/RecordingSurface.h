#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QString>

namespace brevmark::test {

// One drawing call as a surface received it.
struct DrawCall {
    enum Kind {
        Clear,
        Line,
        FillRect,
        Rect,
        Text,
        Picture,
        NewPage,
        EndDocument,
        AbortDocument,
        Clip,
        ResetClip
    };
    Kind kind;
    QPointF from;
    QPointF to;
    QRectF rect;
    QString text;
    QColor color;
    TextFont font;
    LineStyle style = LineStyle::Solid;
    double width = 0;
};

// A printer and surface that records every call instead of drawing. Text width is a fixed
// 100 twips per character unless a test sets its own measure.
class RecordingSurface : public Printer {
public:
    QList<DrawCall> calls;
    double widthPerCharacter = 100;
    double lineHeight = 240;
    double dpi = 600;
    bool available = true;
    QSizeF page;       // twips; empty: the printer does not tell
    QRectF printable;  // twips; invalid: the whole page
    // Pictures whose size equals this are refused, to simulate one that cannot be drawn.
    QSizeF failingPictureSize{-1, -1};

    void clear() override { calls.append(DrawCall{DrawCall::Clear}); }
    void drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips = 0) override;
    void fillRect(const QRectF& rect, const QColor& color) override;
    void drawRect(const QRectF& rect, const QColor& color, LineStyle style) override;
    void drawText(QPointF topLeft, const QString& text, const TextFont& font,
                  const QColor& color) override;
    double textWidth(const QString& text, const TextFont&) const override {
        return text.size() * widthPerCharacter;
    }
    double textHeight(const TextFont&) const override { return lineHeight; }
    bool drawPicture(const brevmark::Picture& picture, const QRectF& target) override;

    bool isAvailable() const override { return available; }
    QString name() const override { return QStringLiteral("recording"); }
    double dotsPerInch() const override { return dpi; }
    QSizeF pageTwips() const override { return page; }
    QRectF printableArea() const override {
        return printable.isValid() ? printable : Printer::printableArea();
    }
    void newPage() override { calls.append(DrawCall{DrawCall::NewPage}); }
    void endDocument() override { calls.append(DrawCall{DrawCall::EndDocument}); }
    void abortDocument() override { calls.append(DrawCall{DrawCall::AbortDocument}); }
    void setClipRect(const QRectF& rect) override;
    void resetClip() override { calls.append(DrawCall{DrawCall::ResetClip}); }

    QList<DrawCall> ofKind(DrawCall::Kind kind) const;
    // x of every line, in drawing order.
    QList<double> lineXs() const;
    // The black filled rectangles (printed bars), in drawing order.
    QList<QRectF> blackFills() const;
    // The other filled rectangles (item backgrounds), in drawing order.
    QList<DrawCall> backgroundFills() const;
    QList<QString> texts() const;
    int count(DrawCall::Kind kind) const { return int(ofKind(kind).size()); }
};

} // namespace brevmark::test
