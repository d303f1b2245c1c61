#include "platform/qt/QtPrinter.h"

#include "platform/FontMetricsTwips.h"
#include "platform/PainterSurface.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace brevmark {

QtPrinter::QtPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    available_ = !info.isNull();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (available_)
        printer_->setPrinterName(info.printerName());
    printer_->setFullPage(true);
    printer_->setDocName(QStringLiteral("Brevmark"));
}

QtPrinter::QtPrinter(const QString& pdfOutputPath, double dotsPerInch) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfOutputPath);
    printer_->setResolution(int(dotsPerInch));
    printer_->setFullPage(true);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setDocName(QStringLiteral("Brevmark"));
}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive())
        painter_->end();
}

bool QtPrinter::isAvailable() const { return available_; }

QString QtPrinter::name() const { return printer_->printerName(); }

double QtPrinter::dotsPerInch() const { return printer_->resolution(); }

PainterSurface& QtPrinter::surface() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        painter_->begin(printer_.get());
        surface_ = std::make_unique<PainterSurface>(painter_.get(), printer_->resolution());
    }
    return *surface_;
}

void QtPrinter::newPage() {
    if (painter_)
        printer_->newPage();
    else
        surface(); // a new page before any drawing opens the document with an empty first page
}

void QtPrinter::endDocument() {
    if (painter_)
        painter_->end();
    painter_.reset();
    surface_.reset();
}

void QtPrinter::abortDocument() {
    if (painter_) {
        printer_->abort();
        painter_->end();
    }
    painter_.reset();
    surface_.reset();
}

void QtPrinter::drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips) {
    surface().drawLine(from, to, color, widthTwips);
}
void QtPrinter::fillRect(const QRectF& rect, const QColor& color) {
    surface().fillRect(rect, color);
}
void QtPrinter::drawRect(const QRectF& rect, const QColor& color, LineStyle style) {
    surface().drawRect(rect, color, style);
}
void QtPrinter::drawText(QPointF topLeft, const QString& text, const TextFont& font,
                         const QColor& color) {
    surface().drawText(topLeft, text, font, color);
}
double QtPrinter::textWidth(const QString& text, const TextFont& font) const {
    return measureTextWidth(text, font);
}
double QtPrinter::textHeight(const TextFont& font) const { return measureTextHeight(font); }
bool QtPrinter::drawPicture(const Picture& picture, const QRectF& target) {
    return surface().drawPicture(picture, target);
}

} // namespace brevmark
