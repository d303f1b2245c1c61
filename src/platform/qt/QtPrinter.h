#pragma once

#include "platform/Printer.h"

#include <QList>

#include <memory>

class QPainter;
class QPrinter;

namespace brevmark {

class PainterSurface;

// The system's default printer (CUPS on Linux) through Qt's print support, or a PDF file when
// constructed with an output path (used for previews and benchmarks).
class QtPrinter : public Printer {
public:
    QtPrinter();
    explicit QtPrinter(const QString& pdfOutputPath, double dotsPerInch = 600);
    ~QtPrinter() override;

    // The resolution that makes one printer dot, among those the printer offers.
    static int dotResolution(const QList<int>& supported);

    bool isAvailable() const override;
    QString name() const override;
    double dotsPerInch() const override;
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

private:
    PainterSurface& surface();
    bool available_ = true;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterSurface> surface_;
};

} // namespace brevmark
