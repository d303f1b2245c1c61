#pragma once

#include "platform/Printer.h"

#include <memory>

class QPaintDevice;
class QPainter;

namespace brevmark {

class PainterSurface;

// A printer that draws through a QPainter on a paged device (Qt's printer, a PDF writer, the
// preview's recorded pages): twips
// are scaled to the device's dots, and the thinnest upright or level line is filled exactly one
// dot wide from its coordinate. The first drawing, or the first new page, begins the document.
//
// A subclass owns the device; its destructor ends or drops an open document (endPainting or
// dropPainting) while the device still exists.
class PaintedPrinter : public Printer {
public:
    ~PaintedPrinter() override;

    void newPage() override;
    void endDocument() override;
    void abortDocument() override;
    void setClipRect(const QRectF& rect) override;
    void resetClip() override;

    void drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips = 0) override;
    void fillRect(const QRectF& rect, const QColor& color) override;
    void drawRect(const QRectF& rect, const QColor& color, LineStyle style) override;
    void drawText(QPointF topLeft, const QString& text, const TextFont& font,
                  const QColor& color) override;
    double textWidth(const QString& text, const TextFont& font) const override;
    double textHeight(const TextFont& font) const override;
    bool drawPicture(const Picture& picture, const QRectF& target) override;

protected:
    PaintedPrinter();

    // The device the current page is drawn on.
    virtual QPaintDevice& device() = 0;
    // Starts the next page; `painter` is active on device(). A paged device starts a new page on
    // itself; a device of one page each ends the painter on it and begins it on the next.
    virtual void turnPage(QPainter& painter) = 0;
    // Called before an open document is dropped (Qt's printer cancels its job there).
    virtual void discardDocument() {}

    bool documentOpen() const { return painter_ != nullptr; }
    // Ends an open document; false when the device could not finish it.
    bool endPainting();
    // Drops an open document without finishing it.
    void dropPainting();

private:
    PainterSurface& surface();

    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterSurface> surface_;
};

} // namespace brevmark
